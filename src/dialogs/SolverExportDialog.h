#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "dialogs/SteelExportPanel.h"
#include "formats/AbaqusCdp.h"
#include "formats/OpenSeesWriter.h"

class CConcrete;
class QComboBox;
class QFormLayout;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Export for Abaqus…" and "Export for OpenSees…": the concretes with a check box each, the
// writer's options, a preview of what will be written for the selected concrete, and Save….
// Built from a plain list so that it does not depend on how the main window keeps its
// concretes; the concretes must outlive the dialog.
class SolverExportDialog : public QDialog {
    Q_OBJECT

public:
    enum class Solver { Abaqus, OpenSees };
    struct Entry {
        const CConcrete* concrete;
        bool checked;
    };

    SolverExportDialog(Solver solver, std::vector<Entry> concretes, QWidget* parent = nullptr);
    // With steels: they are listed beside the concretes and written after them.
    SolverExportDialog(Solver solver, std::vector<Entry> concretes,
                       std::vector<SteelExportPanel::Entry> steels, QWidget* parent = nullptr);

    // The options of the last dialog, kept while the program runs.
    static AbaqusOptions& RememberedAbaqus();
    static OpenSeesOptions& RememberedOpenSees();

    // The checked concretes, in list order.
    std::vector<const CConcrete*> Checked() const;
    // Writes the checked concretes: asks for the file and reports problems in boxes. True when
    // a file was written.
    bool Save();

    // The decimal separator of the line that names the selected concrete's strength basis: the
    // window's, handed in by the window that opens the dialog; a point until then. The preview's
    // numbers follow the user's locale, as the fields do.
    void SetDecimalSeparator(char separator);

    // Controls, named as their object names.
    QListWidget* concreteList;
    QComboBox* unitsBox = nullptr;
    QLineEdit* poissonEdit = nullptr;
    QLineEdit* dilationEdit = nullptr;
    QLineEdit* eccentricityEdit = nullptr;
    QLineEdit* fb0fc0Edit = nullptr;
    QLineEdit* kEdit = nullptr;
    QLineEdit* viscosityEdit = nullptr;
    QLineEdit* elasticLimitEdit = nullptr;
    QComboBox* e0Box = nullptr;
    QComboBox* damageBox = nullptr;
    QLabel* damageNote = nullptr;          // the default rule and the held damage
    QComboBox* tensionDamageBox = nullptr;  // tension's own rule; first entry: as damageBox
    QLineEdit* bcEdit = nullptr;
    QLineEdit* btEdit = nullptr;
    QComboBox* tensionBox = nullptr;
    QLineEdit* crackBandEdit = nullptr;
    QSpinBox* rowsSpin = nullptr;
    QComboBox* outputBox = nullptr;
    QLineEdit* modelEdit = nullptr;
    QComboBox* formatBox = nullptr;
    QSpinBox* firstTagSpin = nullptr;
    QLineEdit* epsSpEdit = nullptr;
    QLineEdit* etaPEdit = nullptr;
    QTableWidget* compressionTable = nullptr;
    QTableWidget* tensionTable = nullptr;
    QCustomPlot* compressionPlot = nullptr;
    QCustomPlot* tensionPlot = nullptr;
    QLabel* basisLabel = nullptr;
    QLabel* deviationLabel = nullptr;
    QLabel* derivedLabel = nullptr;   // what Abaqus derives: plastic strain, effective stress
    QLabel* warningLabel = nullptr;   // the code rule's warning
    QCustomPlot* concreteDPlot = nullptr;  // OpenSees: ConcreteD's tension curve and the code's
    QLabel* concreteDLabel = nullptr;
    QPlainTextEdit* namesText = nullptr;
    QPlainTextEdit* commandsText = nullptr;
    QLabel* messageLabel;
    QPushButton* saveButton;
    QPushButton* closeButton;
    SteelExportPanel* steelPanel = nullptr;  // only when there are steels

private:
    void BuildAbaqusOptions(QFormLayout* form);
    void BuildOpenSeesOptions(QFormLayout* form);
    QLineEdit* AddNumber(QFormLayout* form, const char* name, const char* option,
                         const QString& label, double value);
    // Reads a number field through the writer's own setter; the message, if any, in the
    // dialog's words: the field's label, the user's decimal separator.
    template <typename Options, typename Setter>
    void ReadNumber(Options& options, Setter set, QLineEdit* edit, QStringList& errors);
    void UpdateAbaqusLabels();
    static QString RefusalMessage(const std::vector<SolverRefusal>& refused);
    static QString RangeText(const OptionRange& range);
    void OptionChanged();
    void UpdatePreview();
    void ShowBasis();
    void ShowAbaqusPreview();
    void ShowOpenSeesPreview();
    const CConcrete* Selected() const;

    Solver solver;
    char decimalSeparator = '.';
    std::vector<Entry> entries;
    AbaqusOptions abaqus;
    OpenSeesOptions opensees;
    QString optionError;
    QLabel* crackBandLabel = nullptr;
    bool built = false;  // every control exists: changes may be read
    struct NumberField {
        QLineEdit* edit;
        const char* option;  // the writer's name of the option
        QString label;       // the field's label, without its unit
    };
    std::vector<NumberField> numberFields;
};
