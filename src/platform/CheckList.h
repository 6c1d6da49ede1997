#pragma once

#include <QHash>
#include <QListWidget>

// The list of created concretes, one checkable row each. Change is raised only when the user
// changes a check box; marks set by the program raise nothing.
class TRzCheckList : public QListWidget {
    Q_OBJECT

public:
    // The height of every row, in pixels.
    static constexpr int kRowHeight = 17;

    explicit TRzCheckList(QWidget* parent = nullptr);

    int Count() const { return count(); }
    // The selected row, or -1 when no row is selected (a row that merely has the keyboard
    // focus frame does not count).
    int ItemIndex() const;
    void SetItemIndex(int index);
    QString ItemText(int index) const;
    bool ItemChecked(int index) const;
    // Every row's text with its check mark; where two rows bear one text, the later one's.
    QHash<QString, bool> CheckedByText() const;

    // Appends an unchecked row with its tooltip; returns its index.
    int Add(const QString& text, const QString& toolTip = {});
    void SetItemChecked(int index, bool checked);
    // Removes a row; the selection stays at the same index, or moves to the new last row.
    void Delete(int index);
    // Removes every row; nothing stays selected.
    void Clear();

signals:
    void Change(int index, bool checked);

private:
    bool settingFromCode = false;
};
