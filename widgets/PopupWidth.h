#pragma once

class QComboBox;

// A drop-down's list as wide as its longest entry, not as narrow as its box.
namespace PopupWidth {

void fit(QComboBox *box);

} // namespace PopupWidth
