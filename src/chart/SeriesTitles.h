#pragma once

#include <string>

#include <QHash>
#include <QString>

class TChart;

// A window finds a material's curves by their series titles, which are its name. Test series
// (measured points) are never a material's, whatever their title.

// Series titles and row texts are wide text; a material's name is compared byte for byte as
// UTF-8, exact and case-sensitive, so "C30" and "c30" are two concretes.
std::string NameOf(const QString& text);

// Shows or hides every series titled name.
void ActivateSeriesTitled(TChart* chart, const std::string& name, bool visible);
// Shows or hides every series whose title is a key of visible, as its value says; the others
// stay as they are.
void ActivateSeriesTitled(TChart* chart, const QHash<QString, bool>& visible);
// Removes the first series titled name; later series move down and keep their colours.
void RemoveFirstSeriesTitled(TChart* chart, const std::string& name);
