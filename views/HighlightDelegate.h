#pragma once

#include <QStyledItemDelegate>

// Paints a cell's text with the ranges of the model's `spansRole` (start and length pairs) on a
// marker colour: the words a search matched.
class HighlightDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HighlightDelegate)
public:
    HighlightDelegate(int spansRole, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int m_spansRole;
};
