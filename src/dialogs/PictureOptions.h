#pragma once

#include <QDialog>
#include <QList>
#include <QSize>
#include <QStringList>
#include <functional>

#include "pictures/ChartPicture.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSpinBox;

// What the options dialog asks for: the size of each picture, the PNG scale and, when the
// caller leaves it open, the format.
struct PictureChoice {
    QStringList names;   // one a picture, shown beside its size when there are several
    QList<QSize> sizes;  // in: the charts' on-screen sizes; out: the chosen ones
    PictureFormat format = PictureFormat::Png;
    bool formatFixed = true;  // false: the dialog offers the format as well
    int scale = 1;            // PNG only
};

// The options dialog for report pictures: width and height in pixels for each picture and,
// for PNG, a scale of 1×, 2× or 3×.
class TPictureOptions : public QDialog {
    Q_OBJECT

public:
    TPictureOptions(QWidget* parent, const PictureChoice& choice);

    // The choice as the controls stand.
    PictureChoice Choice() const;

    QComboBox* cbbFormat = nullptr;  // only when the format is not fixed
    QList<QSpinBox*> spnWidth;
    QList<QSpinBox*> spnHeight;
    QLabel* lblScale;
    QComboBox* cbbScale;
    QDialogButtonBox* btnsOptions;

private:
    void FormatChanged();
    PictureFormat CurrentFormat() const;

    PictureChoice initial;
};

// Shows the options dialog modally; false when the user cancels. The choice is changed only
// when the user confirms.
bool AskPictureOptions(QWidget* parent, PictureChoice& choice);

// Tests answer the dialog through a hook; an empty hook brings back the real dialog. Returns
// the hook installed before.
using PictureOptionsHook = std::function<bool(QWidget* parent, PictureChoice& choice)>;
PictureOptionsHook InstallPictureOptionsHook(PictureOptionsHook hook);
