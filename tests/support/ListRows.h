#pragma once

#include <QStringList>

#include "platform/CheckList.h"

// A check list as a user reads it: each row's text and its box, "[x]" ticked, "[ ]" not.
inline QStringList RowTexts(const TRzCheckList* list)
{
    QStringList texts;
    for (int i = 0; i < list->Count(); ++i)
        texts.append(list->ItemText(i) + (list->ItemChecked(i) ? "[x]" : "[ ]"));
    return texts;
}
