#pragma once

#include <QComboBox>

#include <functional>

// An editable drop-down whose list is read afresh from the list file's entries each time it opens.
class ListComboBox final : public QComboBox
{
    Q_OBJECT
public:
    explicit ListComboBox(QWidget *parent = nullptr);
    void setSource(std::function<QStringList()> source) { m_source = std::move(source); }
    void showPopup() override;

private:
    std::function<QStringList()> m_source;
};
