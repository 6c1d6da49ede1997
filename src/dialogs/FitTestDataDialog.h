#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fit/CurveFit.h"
#include "fit/FittedConcrete.h"
#include "fit/MeasuredCurve.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableWidget;

// One measured curve of the fit dialog: its file, its first lines as they stand, and how
// Tarvolin read them (columns and units, each changeable; a change reads the file again).
class MeasuredFilePanel : public QWidget {
    Q_OBJECT

public:
    // optional: a Clear button empties the panel (the tension curve may be left out).
    MeasuredFilePanel(bool optional, QWidget* parent = nullptr);

    // Reads the file at path with the reading chosen so far reset; an empty path empties the
    // panel. A file that cannot be read as a curve is kept with its refusal.
    void Load(const QString& path);
    // Asks for a file through the platform's file dialog and loads it.
    void Browse();

    const QString& Path() const { return path; }
    // The file's name without its folder, as the legend and the messages name it.
    QString FileName() const;
    // The curve as read; null while there is no file or the file was refused.
    const fit::MeasuredCurve* Curve() const { return curve ? &*curve : nullptr; }
    // The reader's refusal, naming the file, the line and the reason; empty otherwise.
    const QString& Refusal() const { return refusal; }

    // Controls, named as their object names.
    QLineEdit* edtFile;
    QPushButton* btnBrowse;
    QPushButton* btnClear = nullptr;
    QSpinBox* spnStrainColumn;
    QSpinBox* spnStressColumn;
    QComboBox* cbbStrainUnit;
    QComboBox* cbbStressUnit;
    QPlainTextEdit* memPreview;
    QLabel* lblReadAs;

signals:
    // The file was read anew (or refused, or the panel emptied).
    void Changed();

private:
    void Reread();
    void ColumnChanged(bool strainColumn);
    void ShowReading();

    QString path;
    std::string bytes;
    bool unreadable = false;  // the file itself could not be read: refusal says why
    fit::ReadOptions options;
    // The columns shown, counted from 1 (0: automatic): picking the other one's column swaps
    // the two.
    int strainShown = 0;
    int stressShown = 0;
    std::optional<fit::MeasuredCurve> curve;
    QString refusal;
};

// File ▸ Fit to Test Data…: the code's law fitted to a measured compression curve (and a
// tension curve, if given), the fitted values beside the code's for the nearest grade with the
// quality of the fit, and Create Concrete. The dialog knows no window: Create Concrete hands
// what was fitted to the function the window gives it.
class FitTestDataDialog : public QDialog {
    Q_OBJECT

public:
    struct Fitted {
        fit::FittedConcrete made;  // named as the name field says, untrimmed
        QString compressionFile;   // file names without folders
        std::vector<fit::MeasuredPoint> compressionPoints;  // to draw as markers
        QString tensionFile;  // empty without tension data
        std::vector<fit::MeasuredPoint> tensionPoints;
    };
    // Makes the concrete; true when it was made (the dialog then closes).
    using CreateConcrete = std::function<bool(const Fitted&)>;

    // separator: the window's decimal separator, for the numbers shown and the held values.
    FitTestDataDialog(char separator, CreateConcrete create, QWidget* parent = nullptr);

    // Whether the files as read and the held values gave a fit (Create Concrete is enabled).
    bool HasFit() const { return made.has_value(); }

    MeasuredFilePanel* compression;
    MeasuredFilePanel* tension;
    QTabWidget* tabFiles;
    QCheckBox* chkHoldFc;
    QLineEdit* edtHoldFc;
    QCheckBox* chkHoldEc;
    QLineEdit* edtHoldEc;
    QCheckBox* chkHoldFt;
    QLineEdit* edtHoldFt;
    QTableWidget* tblValues;
    QTableWidget* tblQuality;
    QLabel* lblMessage;
    QLineEdit* edtName;
    QPushButton* btnCreate;
    QPushButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refit();
    void ShowFit();
    void CreateClick();
    void Problem(const QString& text);
    // A held value: nothing when its box is unchecked; false when its text is no positive
    // number (the message says so).
    bool HeldValue(QCheckBox* box, QLineEdit* edit, const QString& label,
                   std::optional<double>& value);

    char separator;
    CreateConcrete create;
    std::optional<fit::CompressionFit> compressionFit;
    std::optional<fit::TensionFit> tensionFit;
    std::optional<fit::FittedConcrete> made;
    QStringList problems;
    QStringList notes;
    QString namedAfter;  // the compression file the name field was last filled from
    QScrollArea* scroll;
    bool sized = false;
};
