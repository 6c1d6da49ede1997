#include "library/CheckList.h"

TRzCheckList::TRzCheckList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!settingFromCode)
            emit Change(row(item), item->checkState() == Qt::Checked);
    });
}

QString TRzCheckList::ItemText(int index) const
{
    return item(index)->text();
}

bool TRzCheckList::ItemChecked(int index) const
{
    return item(index)->checkState() == Qt::Checked;
}

int TRzCheckList::Add(const QString& text)
{
    settingFromCode = true;
    auto* row = new QListWidgetItem(text);
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
    const int selected = currentRow();
    settingFromCode = true;
    delete takeItem(index);
    settingFromCode = false;
    if (selected >= 0 && count() > 0)
        setCurrentRow(std::min(selected, count() - 1));
}

void TRzCheckList::Clear()
{
    settingFromCode = true;
    clear();
    settingFromCode = false;
    setCurrentRow(-1);
}
