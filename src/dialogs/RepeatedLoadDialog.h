#pragma once

#include <QDialog>
#include <vector>

#include "model/Registry.h"
#include "steel/SteelRegistry.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TChart;

// Tools ▸ Repeated Load…: the path each picked concrete and steel follows through a history of
// reversal strains (src/cyclic), drawn over its envelope, and Save CSV… with the very bytes of
// `tarvolin-cli cyclic`. The history and the step are read as the command line reads them.
//
// The dialog is modal: the registries it lists cannot change while it is open. It keeps
// pointers into them, so they must outlive it.
class RepeatedLoadDialog : public QDialog {
    Q_OBJECT

public:
    RepeatedLoadDialog(const ConcreteRegistry& concretes, const SteelRegistry& steels,
                       QWidget* parent = nullptr);

    // The separator of the chart's labels and read-out: the window's.
    void SetDecimalSeparator(char separator);

    // Draws the checked materials along the history. A field that cannot be read is refused in
    // a box that names it, the focus goes back to it and the chart keeps what it showed. True
    // when the chart shows the new paths.
    bool Draw();
    // Writes the CSV file of the checked materials: asks for the file, reports problems in
    // boxes. True when a file was written.
    bool SaveCsv();

    // The checked materials, each kind in list order.
    std::vector<const CConcrete*> CheckedConcretes() const;
    std::vector<const CSteel*> CheckedSteels() const;

    // The most points the chart draws, paths and envelopes together: beyond it Save CSV… still
    // writes the file (up to the command line's limit), the chart asks for a larger step.
    static constexpr std::size_t kMaxDrawnPoints = 2'000'000;

    // Controls, named as their object names.
    QLineEdit* historyEdit;
    QLineEdit* stepEdit;
    QListWidget* materialList;
    TChart* chart;
    QLabel* messageLabel;
    QPushButton* drawButton;
    QPushButton* saveButton;
    QPushButton* closeButton;

private:
    // The history and the step, or false after the refusal's box.
    bool ReadFields(std::vector<double>& history, double& step);
    // Draws quietly when the fields can be read; for a change of the checked materials.
    void Redraw();

    std::vector<const CConcrete*> concreteRows;  // the list's first rows
    std::vector<const CSteel*> steelRows;        // then these
};
