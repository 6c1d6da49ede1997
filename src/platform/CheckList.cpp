#include "platform/CheckList.h"

#include <QStyledItemDelegate>

namespace {

// Every row as high as TRzCheckList's: room for the check box and a line of the list's font.
class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(TRzCheckList::kRowHeight);
        return size;
    }
};

}  // namespace

TRzCheckList::TRzCheckList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new RowDelegate(this));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!settingFromCode)
            emit Change(row(item), item->checkState() == Qt::Checked);
    });
}

int TRzCheckList::ItemIndex() const
{
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? row(current) : -1;
}

void TRzCheckList::SetItemIndex(int index)
{
    if (index < 0) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(index);
    }
}

QString TRzCheckList::ItemText(int index) const
{
    return item(index)->text();
}

bool TRzCheckList::ItemChecked(int index) const
{
    return item(index)->checkState() == Qt::Checked;
}

QHash<QString, bool> TRzCheckList::CheckedByText() const
{
    QHash<QString, bool> checked;
    checked.reserve(count());
    for (int i = 0; i < count(); ++i)
        checked.insert(ItemText(i), ItemChecked(i));
    return checked;
}

int TRzCheckList::Add(const QString& text, const QString& toolTip)
{
    settingFromCode = true;
    auto* row = new QListWidgetItem(text);
    row->setToolTip(toolTip);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->setCheckState(Qt::Unchecked);
    addItem(row);
    settingFromCode = false;
    return count() - 1;
}

void TRzCheckList::SetItemChecked(int index, bool checked)
{
    settingFromCode = true;
    item(index)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    settingFromCode = false;
}

void TRzCheckList::Delete(int index)
{
    const int selected = ItemIndex();
    settingFromCode = true;
    delete takeItem(index);
    settingFromCode = false;
    if (selected >= 0 && count() > 0)
        setCurrentRow(std::min(selected, count() - 1));
    else
        clearSelection();
}

void TRzCheckList::Clear()
{
    settingFromCode = true;
    clear();
    settingFromCode = false;
    SetItemIndex(-1);
}
