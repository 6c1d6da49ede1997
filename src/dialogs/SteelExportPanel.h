#pragma once

#include <QWidget>
#include <vector>

#include "formats/AbaqusCdp.h"
#include "formats/OpenSeesWriter.h"
#include "formats/SteelAbaqus.h"
#include "formats/SteelOpenSees.h"

class CSteel;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

// The steels of an export dialog: a list with a check box each, the steel options of the
// solver, and a preview of what will be written for the selected steel. The dialog places it
// beside its concretes, hands it the concretes' options (units, output, first tag and the
// concretes' count for the tags) and asks it for the steels' part of the file.
class SteelExportPanel : public QWidget {
    Q_OBJECT

public:
    enum class Solver { Abaqus, OpenSees };
    struct Entry {
        const CSteel* steel;
        bool checked;
    };

    SteelExportPanel(Solver solver, std::vector<Entry> steels, QWidget* parent = nullptr);

    // The steel options of the last dialog, kept while the program runs.
    static SteelAbaqusOptions& RememberedAbaqus();
    static SteelOpenSeesOptions& RememberedOpenSees();

    // The concretes' options the steels share: units, output and model; format and tags.
    void SetConcreteOptions(const AbaqusOptions& options);
    // The steels' tags start after the checked concretes'.
    void SetConcreteOptions(const OpenSeesOptions& options, std::size_t checkedConcretes);

    std::vector<const CSteel*> Checked() const;
    // The problem of a steel option field in the dialog's words; empty when none.
    QString OptionError() const { return optionError; }

    // The steel options as they stand, for the file (BuildAbaqusFile, BuildOpenSeesFile).
    const SteelAbaqusOptions& AbaqusOptionsShown() const { return abaqus; }
    const SteelOpenSeesOptions& OpenSeesOptionsShown() const { return opensees; }
    // The name changes of the checked steels beside the concretes' Abaqus names.
    std::vector<NameMapping> AbaqusRenamed(std::span<const std::string> concreteNames) const;

    // Controls, named as their object names.
    QListWidget* steelList;
    QComboBox* steelPlasticBox = nullptr;
    QLineEdit* steelPoissonEdit = nullptr;
    QComboBox* steelMaterialBox = nullptr;
    QTableWidget* steelTable = nullptr;
    QLabel* steelDeviationLabel = nullptr;
    QPlainTextEdit* steelCommandText = nullptr;
    QLabel* steelMessageLabel;

signals:
    // A check box or an option changed: the file the dialog writes changes with it.
    void changed();

private:
    void OptionChanged();
    void UpdatePreview();
    const CSteel* Selected() const;

    Solver solver;
    std::vector<Entry> entries;
    SteelAbaqusOptions abaqus;
    SteelOpenSeesOptions opensees;
    QString optionError;
};
