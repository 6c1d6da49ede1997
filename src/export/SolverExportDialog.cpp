#include "export/SolverExportDialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include <qcustomplot.h>
#include <stdexcept>

#include "app/Platform.h"
#include "export/AtomicFile.h"
#include "model/Concrete.h"

namespace {

// Table numbers are shown exactly as the file will hold them.
constexpr int kShownDigits = 9;

QString Name(const CConcrete* c)
{
    return QString::fromUtf8(c->ConcreteName.data(), qsizetype(c->ConcreteName.size()));
}

QString Number(double value)
{
    return QString::number(value, 'g', 15);
}

QString Printed(double value)
{
    return QString::fromStdString(solvertext::Rounded(value, kShownDigits));
}

QLineEdit* NumberEdit(QWidget* parent, const char* name, double value)
{
    auto* edit = new QLineEdit(Number(value), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QTableWidget* Table(QWidget* parent, const char* name, const QString& strain)
{
    auto* table = new QTableWidget(0, 4, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Stress"), strain, QStringLiteral("Damage"), QStringLiteral("Plastic strain")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(18);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QCustomPlot* Plot(QWidget* parent, const char* name, const QString& strain)
{
    auto* plot = new QCustomPlot(parent);
    plot->setObjectName(QString::fromLatin1(name));
    plot->setMinimumSize(340, 160);
    plot->xAxis->setLabel(strain);
    // Strains such as 0.00025 are wide for a small chart, and the chart may be left narrow
    // beside its table: the step is the smallest of 1, 2 or 5 times a power of ten that leaves
    // half a label's width between neighbours.
    auto ticker = QSharedPointer<QCPAxisTickerFixed>::create();
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    plot->xAxis->setTicker(ticker);
    QObject::connect(plot, &QCustomPlot::beforeReplot, plot, [plot, ticker] {
        const double label = QFontMetrics(plot->xAxis->tickLabelFont())
                                 .horizontalAdvance(QStringLiteral("0.00025"));
        const int room = plot->axisRect()->width() > 0 ? plot->axisRect()->width()
                                                        : plot->width();
        const double span = plot->xAxis->range().size();
        if (span <= 0 || room <= 0)
            return;
        const double least = span * 1.5 * label / room;
        const double decade = std::pow(10.0, std::floor(std::log10(least)));
        double step = 10 * decade;
        for (double mantissa : {1.0, 2.0, 5.0})
            if (mantissa * decade >= least) {
                step = mantissa * decade;
                break;
            }
        ticker->setTickStep(step);
    });
    plot->yAxis->setLabel(QStringLiteral("Stress"));
    plot->yAxis2->setLabel(QStringLiteral("Damage"));
    plot->yAxis2->setVisible(true);
    plot->yAxis2->setRange(0, 1);
    plot->addGraph(plot->xAxis, plot->yAxis)->setPen(QPen(QColor(0, 0, 200), 1));
    plot->addGraph(plot->xAxis, plot->yAxis2)->setPen(QPen(QColor(200, 0, 0), 1));
    plot->graph(0)->setName(QStringLiteral("Stress"));
    plot->graph(1)->setName(QStringLiteral("Damage"));
    return plot;
}

void Fill(QTableWidget* table, QCustomPlot* plot, const CdpTable& data, bool damage)
{
    table->setRowCount(int(data.rows.size()));
    QVector<double> x, stress, d;
    for (int i = 0; i < int(data.rows.size()); ++i) {
        const CdpRow& r = data.rows[std::size_t(i)];
        const double values[] = {r.stress, r.inelastic, r.damage, r.plastic};
        for (int column = 0; column < 4; ++column)
            table->setItem(i, column,
                           new QTableWidgetItem(column == 2 && !damage ? QStringLiteral("-")
                                                                       : Printed(values[column])));
        x << r.inelastic;
        stress << r.stress;
        d << r.damage;
    }
    // Every column stays in view, whatever the width of the numbers (Pa are long).
    table->resizeColumnsToContents();
    table->setMinimumWidth(table->horizontalHeader()->length() +
                           table->verticalHeader()->sizeHint().width() +
                           2 * table->frameWidth() +
                           table->verticalScrollBar()->sizeHint().width());
    plot->graph(0)->setData(x, stress, true);
    plot->graph(1)->setData(x, d, true);
    plot->graph(1)->setVisible(damage);
    plot->xAxis->rescale();
    plot->yAxis->rescale();
    plot->yAxis->setRangeLower(0);
    plot->replot();
}

}  // namespace

AbaqusOptions& SolverExportDialog::RememberedAbaqus()
{
    static AbaqusOptions options;
    return options;
}

OpenSeesOptions& SolverExportDialog::RememberedOpenSees()
{
    static OpenSeesOptions options;
    return options;
}

QString& SolverExportDialog::RememberedFolder()
{
    static QString folder;
    return folder;
}

SolverExportDialog::SolverExportDialog(Solver solver, std::vector<Entry> concretes,
                                       QWidget* parent)
    : SolverExportDialog(solver, std::move(concretes), {}, parent)
{
}

SolverExportDialog::SolverExportDialog(Solver solver, std::vector<Entry> concretes,
                                       std::vector<SteelExportPanel::Entry> steels,
                                       QWidget* parent)
    : QDialog(parent),
      solver(solver),
      entries(std::move(concretes)),
      abaqus(RememberedAbaqus()),
      opensees(RememberedOpenSees())
{
    const bool isAbaqus = solver == Solver::Abaqus;
    setObjectName(isAbaqus ? QStringLiteral("SolverExportAbaqus")
                           : QStringLiteral("SolverExportOpenSees"));
    setWindowTitle(isAbaqus ? QStringLiteral("Export for Abaqus")
                            : QStringLiteral("Export for OpenSees"));

    auto* top = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    top->addLayout(columns);

    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    auto* listGroup = new QGroupBox(QStringLiteral("Concretes"), this);
    listGroup->setObjectName(QStringLiteral("concretesGroup"));
    auto* listLayout = new QVBoxLayout(listGroup);
    concreteList = new QListWidget(listGroup);
    concreteList->setObjectName(QStringLiteral("concreteList"));
    for (const Entry& e : entries) {
        auto* item = new QListWidgetItem(Name(e.concrete), concreteList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
    }
    if (concreteList->count() > 0)
        concreteList->setCurrentRow(0);
    listLayout->addWidget(concreteList);
    left->addWidget(listGroup);

    auto* optionsGroup = new QGroupBox(QStringLiteral("Options"), this);
    optionsGroup->setObjectName(QStringLiteral("optionsGroup"));
    auto* form = new QFormLayout(optionsGroup);
    if (isAbaqus)
        BuildAbaqusOptions(form);
    else
        BuildOpenSeesOptions(form);
    left->addWidget(optionsGroup);
    if (!steels.empty()) {
        steelPanel = new SteelExportPanel(isAbaqus ? SteelExportPanel::Solver::Abaqus
                                                   : SteelExportPanel::Solver::OpenSees,
                                          std::move(steels), this);
        left->addWidget(steelPanel);
        connect(steelPanel, &SteelExportPanel::changed, this, [this] { UpdatePreview(); });
    }

    auto* previewGroup = new QGroupBox(QStringLiteral("Preview"), this);
    previewGroup->setObjectName(QStringLiteral("previewGroup"));
    auto* preview = new QVBoxLayout(previewGroup);
    if (isAbaqus) {
        // One row a curve, its table beside its chart: side by side, the two tables had room
        // for barely three of their four columns.
        auto* curves = new QGridLayout;
        compressionTable = Table(previewGroup, "compressionTable",
                                 QStringLiteral("Inelastic strain"));
        tensionTable = Table(previewGroup, "tensionTable", QStringLiteral("Cracking strain"));
        compressionPlot = Plot(previewGroup, "compressionPlot", QStringLiteral("Inelastic strain"));
        tensionPlot = Plot(previewGroup, "tensionPlot", QStringLiteral("Cracking strain"));
        curves->addWidget(compressionTable, 0, 0);
        curves->addWidget(compressionPlot, 0, 1);
        curves->addWidget(tensionTable, 1, 0);
        curves->addWidget(tensionPlot, 1, 1);
        curves->setColumnStretch(1, 1);
        preview->addLayout(curves);
        deviationLabel = new QLabel(previewGroup);
        deviationLabel->setObjectName(QStringLiteral("deviationLabel"));
        preview->addWidget(deviationLabel);
        namesText = new QPlainTextEdit(previewGroup);
        namesText->setObjectName(QStringLiteral("namesText"));
        namesText->setReadOnly(true);
        namesText->setMaximumHeight(70);
        preview->addWidget(namesText);
    } else {
        commandsText = new QPlainTextEdit(previewGroup);
        commandsText->setObjectName(QStringLiteral("commandsText"));
        commandsText->setReadOnly(true);
        commandsText->setLineWrapMode(QPlainTextEdit::NoWrap);
        commandsText->setMinimumSize(480, 240);
        preview->addWidget(commandsText);
    }
    columns->addWidget(previewGroup, 1);

    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setWordWrap(true);
    messageLabel->setStyleSheet(QStringLiteral("color: #a00000"));
    top->addWidget(messageLabel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    saveButton = new QPushButton(QStringLiteral("Save…"), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    top->addLayout(buttons);

    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (Save())
            accept();
    });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(concreteList, &QListWidget::currentRowChanged, this, [this] { UpdatePreview(); });
    connect(concreteList, &QListWidget::itemChanged, this, [this] { UpdatePreview(); });
    UpdatePreview();
}

void SolverExportDialog::BuildAbaqusOptions(QFormLayout* form)
{
    QWidget* parent = form->parentWidget();
    unitsBox = new QComboBox(parent);
    unitsBox->setObjectName(QStringLiteral("unitsBox"));
    unitsBox->addItems({QStringLiteral("N, mm, MPa"), QStringLiteral("N, m, Pa")});
    unitsBox->setCurrentIndex(abaqus.units == AbaqusOptions::Units::NMPa ? 1 : 0);
    form->addRow(QStringLiteral("Units"), unitsBox);

    poissonEdit = NumberEdit(parent, "poissonEdit", abaqus.poisson);
    dilationEdit = NumberEdit(parent, "dilationEdit", abaqus.dilation);
    eccentricityEdit = NumberEdit(parent, "eccentricityEdit", abaqus.eccentricity);
    fb0fc0Edit = NumberEdit(parent, "fb0fc0Edit", abaqus.fb0fc0);
    kEdit = NumberEdit(parent, "kEdit", abaqus.k);
    viscosityEdit = NumberEdit(parent, "viscosityEdit", abaqus.viscosity);
    elasticLimitEdit = NumberEdit(parent, "elasticLimitEdit", abaqus.elasticLimit);
    form->addRow(QStringLiteral("Poisson's ratio"), poissonEdit);
    form->addRow(QStringLiteral("Dilation angle (°)"), dilationEdit);
    form->addRow(QStringLiteral("Eccentricity"), eccentricityEdit);
    form->addRow(QStringLiteral("fb0/fc0"), fb0fc0Edit);
    form->addRow(QStringLiteral("K"), kEdit);
    form->addRow(QStringLiteral("Viscosity"), viscosityEdit);
    form->addRow(QStringLiteral("Elastic limit (× fc,k)"), elasticLimitEdit);

    damageBox = new QComboBox(parent);
    damageBox->setObjectName(QStringLiteral("damageBox"));
    damageBox->addItems({QStringLiteral("energy"), QStringLiteral("code"), QStringLiteral("none")});
    damageBox->setCurrentIndex(int(abaqus.damage));
    form->addRow(QStringLiteral("Damage"), damageBox);

    rowsSpin = new QSpinBox(parent);
    rowsSpin->setObjectName(QStringLiteral("rowsSpin"));
    rowsSpin->setRange(3, 100000);
    rowsSpin->setValue(abaqus.maxRows);
    form->addRow(QStringLiteral("Rows per table at most"), rowsSpin);

    outputBox = new QComboBox(parent);
    outputBox->setObjectName(QStringLiteral("outputBox"));
    outputBox->addItems(
        {QStringLiteral("Input file (.inp)"), QStringLiteral("Abaqus/CAE script (.py)")});
    outputBox->setCurrentIndex(abaqus.output == AbaqusOptions::Output::Py ? 1 : 0);
    form->addRow(QStringLiteral("Output"), outputBox);

    modelEdit = new QLineEdit(QString::fromStdString(abaqus.model), parent);
    modelEdit->setObjectName(QStringLiteral("modelEdit"));
    form->addRow(QStringLiteral("Model name"), modelEdit);

    for (QLineEdit* edit : {poissonEdit, dilationEdit, eccentricityEdit, fb0fc0Edit, kEdit,
                            viscosityEdit, elasticLimitEdit, modelEdit})
        connect(edit, &QLineEdit::textChanged, this, [this] { OptionChanged(); });
    for (QComboBox* box : {unitsBox, damageBox, outputBox})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { OptionChanged(); });
    connect(rowsSpin, &QSpinBox::valueChanged, this, [this] { OptionChanged(); });
}

void SolverExportDialog::BuildOpenSeesOptions(QFormLayout* form)
{
    QWidget* parent = form->parentWidget();
    formatBox = new QComboBox(parent);
    formatBox->setObjectName(QStringLiteral("formatBox"));
    formatBox->addItems({QStringLiteral("Tcl (.tcl)"), QStringLiteral("OpenSeesPy (.py)")});
    formatBox->setCurrentIndex(opensees.format == OpenSeesOptions::Format::Py ? 1 : 0);
    form->addRow(QStringLiteral("Format"), formatBox);
    firstTagSpin = new QSpinBox(parent);
    firstTagSpin->setObjectName(QStringLiteral("firstTagSpin"));
    firstTagSpin->setRange(1, INT_MAX);
    firstTagSpin->setValue(int(opensees.firstTag));
    form->addRow(QStringLiteral("First tag"), firstTagSpin);
    connect(formatBox, &QComboBox::currentIndexChanged, this, [this] { OptionChanged(); });
    connect(firstTagSpin, &QSpinBox::valueChanged, this, [this] { OptionChanged(); });
}

// Every option goes through the same setter as the command line, so that both accept and
// refuse the very same values.
void SolverExportDialog::OptionChanged()
{
    QStringList errors;
    std::string error;
    if (solver == Solver::Abaqus) {
        AbaqusOptions next = abaqus;
        const auto set = [&](const char* name, const QString& value) {
            QString text = value.trimmed();
            text.replace(QLatin1Char(','), QLatin1Char('.'));  // a regional decimal comma
            if (!SetAbaqusOption(next, name, text.toStdString(), error))
                errors << QString::fromStdString(error);
        };
        next.units = unitsBox->currentIndex() == 1 ? AbaqusOptions::Units::NMPa
                                                   : AbaqusOptions::Units::NMmMPa;
        set("poisson", poissonEdit->text());
        set("dilation", dilationEdit->text());
        set("eccentricity", eccentricityEdit->text());
        set("fb0-fc0", fb0fc0Edit->text());
        set("k", kEdit->text());
        set("viscosity", viscosityEdit->text());
        set("elastic-limit", elasticLimitEdit->text());
        next.damage = AbaqusOptions::Damage(damageBox->currentIndex());
        next.maxRows = rowsSpin->value();
        next.output = outputBox->currentIndex() == 1 ? AbaqusOptions::Output::Py
                                                     : AbaqusOptions::Output::Inp;
        if (!SetAbaqusOption(next, "model", modelEdit->text().toStdString(), error))
            errors << QString::fromStdString(error);
        abaqus = next;  // the fields in error keep their last good value
        RememberedAbaqus() = abaqus;
    } else {
        opensees.format = formatBox->currentIndex() == 1 ? OpenSeesOptions::Format::Py
                                                         : OpenSeesOptions::Format::Tcl;
        opensees.firstTag = firstTagSpin->value();
        RememberedOpenSees() = opensees;
    }
    optionError = errors.join(QLatin1Char('\n'));
    UpdatePreview();
}

const CConcrete* SolverExportDialog::Selected() const
{
    const int row = concreteList->currentRow();
    if (row < 0 || row >= int(entries.size()))
        return entries.empty() ? nullptr : entries.front().concrete;
    return entries[std::size_t(row)].concrete;
}

std::vector<const CConcrete*> SolverExportDialog::Checked() const
{
    std::vector<const CConcrete*> list;
    for (int i = 0; i < concreteList->count() && i < int(entries.size()); ++i)
        if (concreteList->item(i)->checkState() == Qt::Checked)
            list.push_back(entries[std::size_t(i)].concrete);
    return list;
}

void SolverExportDialog::UpdatePreview()
{
    // The steels share the concretes' units, output and model, or format and tags.
    if (steelPanel && solver == Solver::Abaqus)
        steelPanel->SetConcreteOptions(abaqus);
    else if (steelPanel)
        steelPanel->SetConcreteOptions(opensees, Checked().size());
    if (solver == Solver::Abaqus)
        ShowAbaqusPreview();
    else
        ShowOpenSeesPreview();
}

void SolverExportDialog::ShowAbaqusPreview()
{
    QStringList messages;
    if (!optionError.isEmpty())
        messages << optionError;
    const CConcrete* c = Selected();
    CdpMaterial material;
    std::string reason;
    if (c)
        material = BuildCdpMaterial(*c, abaqus, reason);
    if (!reason.empty()) {
        messages << QString::fromStdString(RefusalText({{c->ConcreteName, reason}}));
        material = CdpMaterial{};
    }
    const bool damage = abaqus.damage != AbaqusOptions::Damage::None;
    Fill(compressionTable, compressionPlot, material.compression, damage);
    Fill(tensionTable, tensionPlot, material.tension, damage);
    deviationLabel->setText(
        c && reason.empty()
            ? QStringLiteral("Largest deviation from the curve: compression %1 %, tension %2 % "
                             "of the peak stress")
                  .arg(QString::number(material.compression.deviation, 'f', 2),
                       QString::number(material.tension.deviation, 'f', 2))
            : QString());

    // Names are mapped over the concretes that will be written, as in the file.
    const std::vector<const CConcrete*> checked = Checked();
    std::vector<std::string> names;
    for (const CConcrete* k : checked)
        names.push_back(k->ConcreteName);
    const std::vector<std::string> mapped = AbaqusMaterialNames(names);
    QStringList lines;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] != mapped[i])
            lines << Name(checked[i]) + QStringLiteral(" → ") + QString::fromStdString(mapped[i]);
    if (steelPanel)
        for (const NameMapping& renamed : steelPanel->BuildAbaqus(mapped, false).renamed)
            lines << QString::fromStdString(renamed.original) + QStringLiteral(" → ") +
                         QString::fromStdString(renamed.mapped);
    namesText->setPlainText(lines.isEmpty()
                                ? QStringLiteral("Every name is a valid Abaqus material name.")
                                : QStringLiteral("Material names changed for Abaqus:\n") +
                                      lines.join(QLatin1Char('\n')));
    messageLabel->setText(messages.join(QLatin1Char('\n')));
}

void SolverExportDialog::ShowOpenSeesPreview()
{
    const std::vector<const CConcrete*> checked = Checked();
    const OpenSeesExport out = BuildOpenSeesExport(checked, opensees);
    std::string text = out.text;
    QString refusals = QString::fromStdString(RefusalText(out.refused));
    // The whole file: the steels' commands after the concretes'.
    if (steelPanel) {
        const SteelOpenSeesExport steels = steelPanel->BuildOpenSees(checked.empty());
        text += steels.text;
        if (!steels.refused.empty())
            refusals += (refusals.isEmpty() ? QString() : QStringLiteral("\n")) +
                        QString::fromStdString(SteelRefusalText(steels.refused));
    }
    commandsText->setPlainText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    messageLabel->setText(refusals);
}

bool SolverExportDialog::Save()
{
    using Kind = Platform::MsgKind;
    if (!optionError.isEmpty()) {
        MessageDlg(this, Kind::Warning, optionError);
        return false;
    }
    if (steelPanel && !steelPanel->OptionError().isEmpty()) {
        MessageDlg(this, Kind::Warning, steelPanel->OptionError());
        return false;
    }
    const std::vector<const CConcrete*> checked = Checked();
    const std::vector<const CSteel*> checkedSteels =
        steelPanel ? steelPanel->Checked() : std::vector<const CSteel*>{};
    if (checked.empty() && checkedSteels.empty()) {
        MessageDlg(this, Kind::Information,
                   steelPanel ? tr("No concrete or steel is checked.")
                              : QStringLiteral("No concrete is checked."));
        return false;
    }

    // Everything is built and checked before the user is asked for a file.
    std::string text;
    std::vector<SolverRefusal> refused;
    Platform::SaveFileRequest request;
    request.caption = windowTitle();
    request.directory = RememberedFolder();
    std::string steelRefusals;
    if (solver == Solver::Abaqus) {
        AbaqusExport out;
        std::vector<std::string> names;
        if (!checked.empty()) {
            out = BuildAbaqusExport(checked, abaqus);
            for (const CdpMaterial& m : out.materials)
                names.push_back(m.name);
        }
        refused = std::move(out.refused);
        text = std::move(out.text);
        if (!checkedSteels.empty()) {
            const SteelExportPanel::AbaqusPart steels = steelPanel->BuildAbaqus(names, checked.empty());
            text += steels.text;
            steelRefusals = SteelRefusalText(steels.refused);
        }
        const bool py = abaqus.output == AbaqusOptions::Output::Py;
        request.defaultSuffix = py ? QStringLiteral("py") : QStringLiteral("inp");
        request.filter = py ? QStringLiteral("Abaqus/CAE script (*.py)")
                            : QStringLiteral("Abaqus input file (*.inp)");
    } else {
        OpenSeesExport out;
        if (!checked.empty())
            out = BuildOpenSeesExport(checked, opensees);
        refused = std::move(out.refused);
        text = std::move(out.text);
        if (!checkedSteels.empty()) {
            const SteelOpenSeesExport steels = steelPanel->BuildOpenSees(checked.empty());
            text += steels.text;
            steelRefusals = SteelRefusalText(steels.refused);
        }
        const bool py = opensees.format == OpenSeesOptions::Format::Py;
        request.defaultSuffix = py ? QStringLiteral("py") : QStringLiteral("tcl");
        request.filter = py ? QStringLiteral("OpenSeesPy script (*.py)")
                            : QStringLiteral("OpenSees Tcl script (*.tcl)");
    }
    if (!refused.empty() || !steelRefusals.empty()) {
        QString lines = QString::fromStdString(RefusalText(refused));
        if (!steelRefusals.empty())
            lines += (lines.isEmpty() ? QString() : QStringLiteral("\n")) +
                     QString::fromStdString(steelRefusals);
        MessageDlg(this, Kind::Warning, lines + QStringLiteral("\nNothing was written."));
        return false;
    }
    request.fileName = (checked.empty() ? QStringLiteral("Steels.") : QStringLiteral("Concretes.")) +
                       request.defaultSuffix;

    const QString path = Platform::Current().SaveFileName(this, request);
    if (path.isEmpty())
        return false;
    try {
        WriteFileAtomically(path, QByteArrayView(text.data(), qsizetype(text.size())));
    } catch (const std::exception& e) {
        MessageDlg(this, Kind::Error, QString::fromUtf8(e.what()));
        return false;
    }
    RememberedFolder() = QFileInfo(path).absolutePath();
    return true;
}
