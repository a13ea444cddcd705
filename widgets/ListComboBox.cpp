#include "widgets/ListComboBox.h"

#include "widgets/PopupWidth.h"

ListComboBox::ListComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void ListComboBox::showPopup()
{
    if (m_source) {
        const QString text = currentText();
        clear();
        addItems(m_source());
        setCurrentIndex(-1);
        setEditText(text);
    }
    PopupWidth::fit(this);
    QComboBox::showPopup();
}
