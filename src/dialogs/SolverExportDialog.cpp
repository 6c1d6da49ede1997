#include "dialogs/SolverExportDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
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
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include <qcustomplot.h>
#include <stdexcept>

#include "dialogs/Basis.h"
#include "dialogs/SaveText.h"
#include "model/Concrete.h"
#include "model/Sampling.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"
#include "platform/ScreenFit.h"

namespace {

// Table numbers are shown with the digits the file will hold.
constexpr int kShownDigits = 9;

// The dialog is the user's: numbers in fields, tables and on the axes carry the user's decimal
// separator (the file keeps its point). No group separators: 30000 stays one number to copy.
QLocale UserLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString Name(const CConcrete* c)
{
    return QString::fromUtf8(c->ConcreteName.data(), qsizetype(c->ConcreteName.size()));
}

QString Number(double value)
{
    return UserLocale().toString(value, 'g', 15);
}

// The file's text of a value, with the user's separator.
QString Printed(double value)
{
    QString text = QString::fromStdString(solvertext::Rounded(value, kShownDigits));
    text.replace(QLatin1Char('.'), UserLocale().decimalPoint());
    return text;
}

// The text of a field as the writer's setter reads it: either separator, and the locale's.
std::string ForSetter(const QString& value)
{
    QString text = value.trimmed();
    text.replace(UserLocale().decimalPoint(), QLatin1String("."));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text.toStdString();
}

// Tick labels of one axis in one style: all fixed with the decimals the step needs, or, for
// very large or very small values (stresses in Pa), all as a mantissa times one power of ten;
// never "1.5·10⁶" beside "500000". The step is the smallest 1, 2 or 5 times a power of ten that
// leaves half a label's width between neighbours, so that a narrow chart stays readable.
class PreviewTicker : public QCPAxisTickerFixed {
public:
    explicit PreviewTicker(QCPAxis* axis) : axis(axis) { setScaleStrategy(ssNone); }

    void Fit()
    {
        QCustomPlot* plot = axis->parentPlot();
        const bool horizontal = axis->orientation() == Qt::Horizontal;
        const QFontMetrics metrics(axis->tickLabelFont());
        const double label = horizontal ? metrics.horizontalAdvance(QStringLiteral("0.00025"))
                                        : 1.2 * metrics.height();
        int room = horizontal ? plot->axisRect()->width() : plot->axisRect()->height();
        if (room <= 0)
            room = horizontal ? plot->width() : plot->height();
        const double span = axis->range().size();
        if (!(span > 0) || room <= 0)
            return;
        const double least = span * 1.5 * label / room;
        const double decade = std::pow(10.0, std::floor(std::log10(least)));
        double step = 10 * decade;
        for (double mantissa : {1.0, 2.0, 5.0})
            if (mantissa * decade >= least) {
                step = mantissa * decade;
                break;
            }
        setTickStep(step);
    }

protected:
    QVector<QString> createLabelVector(const QVector<double>& ticks, const QLocale& locale,
                                       QChar, int) override
    {
        double largest = 0;
        for (double t : ticks)
            largest = std::max(largest, std::fabs(t));
        const double step = tickStep();
        const bool power = largest >= 1e5 || (largest > 0 && largest < 1e-4);
        const int exponent = power ? int(std::floor(std::log10(largest))) : 0;
        const double unit = std::pow(10.0, exponent);
        int decimals = 0;
        while (decimals < 12 && std::fabs(std::round(step / unit * std::pow(10.0, decimals)) -
                                          step / unit * std::pow(10.0, decimals)) > 1e-6)
            ++decimals;
        static const char16_t* const superscripts[] = {u"⁰", u"¹", u"²", u"³", u"⁴",
                                                       u"⁵", u"⁶", u"⁷", u"⁸", u"⁹"};
        QString power10;
        if (power) {
            power10 = QStringLiteral("×10");
            if (exponent < 0)
                power10 += QChar(0x207B);
            for (QChar digit : QString::number(std::abs(exponent)))
                power10 += QString::fromUtf16(superscripts[digit.digitValue()]);
        }
        QVector<QString> labels;
        for (double t : ticks) {
            const double value = std::fabs(t) < step * 1e-9 ? 0.0 : t / unit;
            labels << (value == 0 ? QStringLiteral("0")
                                  : locale.toString(value, 'f', decimals) + power10);
        }
        return labels;
    }

private:
    QCPAxis* axis;
};

QCustomPlot* Plot(QWidget* parent, const char* name)
{
    auto* plot = new QCustomPlot(parent);
    plot->setObjectName(QString::fromLatin1(name));
    plot->setMinimumSize(340, 190);
    plot->setLocale(UserLocale());
    QFont small = plot->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (QCPAxis* axis : {plot->xAxis, plot->yAxis, plot->yAxis2}) {
        axis->setLabelFont(small);
        axis->setTickLabelFont(small);
    }
    QList<PreviewTicker*> tickers;
    for (QCPAxis* axis : {plot->xAxis, plot->yAxis}) {
        auto ticker = QSharedPointer<PreviewTicker>::create(axis);
        axis->setTicker(ticker);
        axis->setNumberFormat(QStringLiteral("g"));
        tickers << ticker.data();
    }
    plot->yAxis2->setVisible(true);
    plot->yAxis2->setRange(0, 1);
    plot->yAxis2->setLabel(QCoreApplication::translate("SolverExportDialog", "Damage"));
    QObject::connect(plot, &QCustomPlot::beforeReplot, plot, [tickers] {
        for (PreviewTicker* t : tickers)
            t->Fit();
    });
    plot->legend->setVisible(true);
    plot->legend->setFont(small);
    plot->legend->setRowSpacing(0);
    plot->legend->setBrush(QColor(255, 255, 255, 220));
    plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    return plot;
}

void AbaqusGraphs(QCustomPlot* plot)
{
    plot->addGraph(plot->xAxis, plot->yAxis)->setPen(QPen(QColor(0, 0, 200), 1));
    plot->addGraph(plot->xAxis, plot->yAxis2)->setPen(QPen(QColor(200, 0, 0), 1));
    plot->addGraph(plot->xAxis, plot->yAxis)->setPen(QPen(QColor(0, 140, 0), 1, Qt::DashLine));
    plot->graph(0)->setName(QCoreApplication::translate("SolverExportDialog", "Stress"));
    plot->graph(1)->setName(QCoreApplication::translate("SolverExportDialog", "Damage (right)"));
    plot->graph(2)->setName(
        QCoreApplication::translate("SolverExportDialog", "Effective stress σ/(1−d)"));
}

QTableWidget* Table(QWidget* parent, const char* name)
{
    auto* table = new QTableWidget(0, 5, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(18);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void Fill(QTableWidget* table, QCustomPlot* plot, const CdpTable& data, bool damage)
{
    table->setRowCount(int(data.rows.size()));
    QVector<double> x, stress, d, effective;
    for (int i = 0; i < int(data.rows.size()); ++i) {
        const CdpRow& r = data.rows[std::size_t(i)];
        const double values[] = {r.stress, r.inelastic, r.damage, r.plastic, r.effective};
        for (int column = 0; column < 5; ++column)
            table->setItem(i, column,
                           new QTableWidgetItem(column == 2 && !damage ? QStringLiteral("-")
                                                                       : Printed(values[column])));
        x << r.inelastic;
        stress << r.stress;
        d << r.damage;
        effective << r.effective;
    }
    // Every column stays in view, whatever the width of the numbers (Pa are long).
    table->resizeColumnsToContents();
    table->setMinimumWidth(table->horizontalHeader()->length() +
                           table->verticalHeader()->sizeHint().width() +
                           2 * table->frameWidth() +
                           table->verticalScrollBar()->sizeHint().width());
    plot->graph(0)->setData(x, stress, true);
    plot->graph(1)->setData(x, d, true);
    plot->graph(2)->setData(x, effective, true);
    plot->graph(1)->setVisible(damage);
    plot->graph(2)->setVisible(damage);
    plot->graph(1)->removeFromLegend();
    plot->graph(2)->removeFromLegend();
    if (damage) {
        plot->graph(1)->addToLegend();
        plot->graph(2)->addToLegend();
    }
    plot->xAxis->rescale();
    plot->yAxis->rescale(true);
    plot->yAxis->setRangeLower(0);
    plot->yAxis->setRangeUpper(plot->yAxis->range().upper * 1.05);
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
    setWindowTitle(isAbaqus ? tr("Export for Abaqus") : tr("Export for OpenSees"));
    setLocale(UserLocale());

    auto* top = new QVBoxLayout(this);
    // Everything but the message and the buttons scrolls: with steels beside the concretes the
    // options and the previews are taller and wider than a 1366×768 screen, and the buttons
    // must stay in reach.
    auto* columns = new QHBoxLayout;
    QScrollArea* scroll = AddScrollingPart(top, columns, QStringLiteral("contentScroll"),
                                           QStringLiteral("content"));

    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    auto* listGroup = new QGroupBox(tr("Concretes"), this);
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

    auto* optionsGroup = new QGroupBox(tr("Options"), this);
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

    auto* previewGroup = new QGroupBox(tr("Preview"), this);
    previewGroup->setObjectName(QStringLiteral("previewGroup"));
    auto* preview = new QVBoxLayout(previewGroup);
    // Which strengths the selected concrete's curves are built from.
    basisLabel = new QLabel(previewGroup);
    basisLabel->setObjectName(QStringLiteral("basisLabel"));
    preview->addWidget(basisLabel);
    if (isAbaqus) {
        // One row a curve, its table beside its chart: side by side, the two tables had room
        // for barely three of their columns.
        auto* curves = new QGridLayout;
        compressionTable = Table(previewGroup, "compressionTable");
        tensionTable = Table(previewGroup, "tensionTable");
        compressionPlot = Plot(previewGroup, "compressionPlot");
        tensionPlot = Plot(previewGroup, "tensionPlot");
        AbaqusGraphs(compressionPlot);
        AbaqusGraphs(tensionPlot);
        curves->addWidget(compressionTable, 0, 0);
        curves->addWidget(compressionPlot, 0, 1);
        curves->addWidget(tensionTable, 1, 0);
        curves->addWidget(tensionPlot, 1, 1);
        curves->setColumnStretch(1, 1);
        preview->addLayout(curves);
        deviationLabel = new QLabel(previewGroup);
        deviationLabel->setObjectName(QStringLiteral("deviationLabel"));
        preview->addWidget(deviationLabel);
        derivedLabel = new QLabel(previewGroup);
        derivedLabel->setObjectName(QStringLiteral("derivedLabel"));
        derivedLabel->setWordWrap(true);
        preview->addWidget(derivedLabel);
        warningLabel = new QLabel(previewGroup);
        warningLabel->setObjectName(QStringLiteral("warningLabel"));
        warningLabel->setWordWrap(true);
        warningLabel->setStyleSheet(QStringLiteral("color: #a05000"));
        preview->addWidget(warningLabel);
        namesText = new QPlainTextEdit(previewGroup);
        namesText->setObjectName(QStringLiteral("namesText"));
        namesText->setReadOnly(true);
        namesText->setMaximumHeight(70);
        preview->addWidget(namesText);
        UpdateAbaqusLabels();
    } else {
        commandsText = new QPlainTextEdit(previewGroup);
        commandsText->setObjectName(QStringLiteral("commandsText"));
        commandsText->setReadOnly(true);
        commandsText->setLineWrapMode(QPlainTextEdit::NoWrap);
        commandsText->setMinimumSize(480, 160);
        preview->addWidget(commandsText);
        concreteDPlot = Plot(previewGroup, "concreteDPlot");
        concreteDPlot->yAxis2->setVisible(false);
        concreteDPlot->xAxis->setLabel(tr("Tensile strain"));
        concreteDPlot->yAxis->setLabel(tr("Stress (MPa)"));
        concreteDPlot->addGraph()->setPen(QPen(QColor(0, 0, 200), 1));
        concreteDPlot->addGraph()->setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
        concreteDPlot->graph(0)->setName(tr("GB 50010 (Tarvolin's curve)"));
        concreteDPlot->graph(1)->setName(tr("ConcreteD in OpenSees"));
        preview->addWidget(concreteDPlot, 1);
        concreteDLabel = new QLabel(previewGroup);
        concreteDLabel->setObjectName(QStringLiteral("concreteDLabel"));
        concreteDLabel->setWordWrap(true);
        preview->addWidget(concreteDLabel);
    }
    columns->addWidget(previewGroup, 1);

    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setWordWrap(true);
    messageLabel->setStyleSheet(QStringLiteral("color: #a00000"));
    top->addWidget(messageLabel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    saveButton = new QPushButton(tr("Save…"), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    closeButton = new QPushButton(tr("Close"), this);
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
    built = true;
    OptionChanged();

    // As large as the content wants, as far as the screen has room.
    QSize size = scroll->widget()->sizeHint() + sizeHint() - scroll->sizeHint() +
                 QSize(scroll->verticalScrollBar()->sizeHint().width(),
                       scroll->horizontalScrollBar()->sizeHint().height());
    resize(BoundedToScreen(this, size));
}

QLineEdit* SolverExportDialog::AddNumber(QFormLayout* form, const char* name, const char* option,
                                         const QString& label, double value)
{
    auto* edit = new QLineEdit(Number(value), form->parentWidget());
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(label, edit);
    QString bare = label;
    bare.remove(QRegularExpression(QStringLiteral("\\s*\\(.*\\)$")));
    numberFields.push_back({edit, option, bare});
    connect(edit, &QLineEdit::textChanged, this, [this] { OptionChanged(); });
    return edit;
}

void SolverExportDialog::BuildAbaqusOptions(QFormLayout* form)
{
    QWidget* parent = form->parentWidget();
    unitsBox = new QComboBox(parent);
    unitsBox->setObjectName(QStringLiteral("unitsBox"));
    unitsBox->addItems({QStringLiteral("N, mm, MPa"), QStringLiteral("N, m, Pa")});
    unitsBox->setCurrentIndex(abaqus.units == AbaqusOptions::Units::NMPa ? 1 : 0);
    form->addRow(tr("Units"), unitsBox);

    poissonEdit = AddNumber(form, "poissonEdit", "poisson", tr("Poisson's ratio"), abaqus.poisson);
    dilationEdit = AddNumber(form, "dilationEdit", "dilation", tr("Dilation angle (°)"),
                             abaqus.dilation);
    eccentricityEdit = AddNumber(form, "eccentricityEdit", "eccentricity", tr("Eccentricity"),
                                 abaqus.eccentricity);
    fb0fc0Edit = AddNumber(form, "fb0fc0Edit", "fb0-fc0", tr("fb0/fc0"), abaqus.fb0fc0);
    kEdit = AddNumber(form, "kEdit", "k", tr("K"), abaqus.k);
    viscosityEdit = AddNumber(form, "viscosityEdit", "viscosity", tr("Viscosity"),
                              abaqus.viscosity);
    elasticLimitEdit = AddNumber(form, "elasticLimitEdit", "elastic-limit",
                                 tr("Elastic limit (× fc)"), abaqus.elasticLimit);

    e0Box = new QComboBox(parent);
    e0Box->setObjectName(QStringLiteral("e0Box"));
    e0Box->addItem(tr("Ec"), int(AbaqusOptions::Modulus::Ec));
    e0Box->addItem(tr("Secant to the elastic limit"), int(AbaqusOptions::Modulus::Secant));
    e0Box->setCurrentIndex(e0Box->findData(int(abaqus.e0)));
    form->addRow(tr("Elastic modulus E0"), e0Box);

    damageBox = new QComboBox(parent);
    damageBox->setObjectName(QStringLiteral("damageBox"));
    damageBox->addItem(tr("code unloading (C.2.5)"), int(AbaqusOptions::Damage::Unloading));
    damageBox->addItem(tr("energy"), int(AbaqusOptions::Damage::Energy));
    damageBox->addItem(tr("code"), int(AbaqusOptions::Damage::Code));
    damageBox->addItem(tr("Birtel-Mark"), int(AbaqusOptions::Damage::BirtelMark));
    damageBox->addItem(tr("none"), int(AbaqusOptions::Damage::None));
    damageBox->setCurrentIndex(damageBox->findData(int(abaqus.damage)));
    form->addRow(tr("Damage"), damageBox);
    damageNote = new QLabel(tr("The default is now the code's unloading rule: Abaqus unloads "
                               "along the code's line and derives its plastic strain. Beyond "
                               "about 2.9·εc the damage is held at its running maximum."),
                            parent);
    damageNote->setObjectName(QStringLiteral("damageNote"));
    damageNote->setWordWrap(true);
    form->addRow(damageNote);
    // The command line's --tension-damage; its absence (the first entry) is its default.
    tensionDamageBox = new QComboBox(parent);
    tensionDamageBox->setObjectName(QStringLiteral("tensionDamageBox"));
    tensionDamageBox->addItem(tr("as Damage (energy with code unloading)"), -1);
    tensionDamageBox->addItem(tr("energy"), int(AbaqusOptions::Damage::Energy));
    tensionDamageBox->addItem(tr("code"), int(AbaqusOptions::Damage::Code));
    tensionDamageBox->addItem(tr("Birtel-Mark"), int(AbaqusOptions::Damage::BirtelMark));
    tensionDamageBox->addItem(tr("none"), int(AbaqusOptions::Damage::None));
    tensionDamageBox->setCurrentIndex(
        abaqus.tensionDamage ? std::max(0, tensionDamageBox->findData(int(*abaqus.tensionDamage)))
                             : 0);
    form->addRow(tr("Tension damage"), tensionDamageBox);
    bcEdit = AddNumber(form, "bcEdit", "bc", tr("Plastic share bc"), abaqus.bc);
    btEdit = AddNumber(form, "btEdit", "bt", tr("Plastic share bt"), abaqus.bt);

    tensionBox = new QComboBox(parent);
    tensionBox->setObjectName(QStringLiteral("tensionBox"));
    tensionBox->addItem(tr("cracking strain"), int(AbaqusOptions::Tension::Strain));
    tensionBox->addItem(tr("cracking displacement"), int(AbaqusOptions::Tension::Displacement));
    tensionBox->setCurrentIndex(tensionBox->findData(int(abaqus.tension)));
    form->addRow(tr("Tension against"), tensionBox);
    // Empty until given: there is no sensible default element size.
    crackBandEdit = AddNumber(form, "crackBandEdit", "crack-band", tr("Crack-band width h"),
                              abaqus.crackBand);
    if (abaqus.crackBand == 0)
        crackBandEdit->clear();
    crackBandLabel = qobject_cast<QLabel*>(form->labelForField(crackBandEdit));

    rowsSpin = new QSpinBox(parent);
    rowsSpin->setObjectName(QStringLiteral("rowsSpin"));
    rowsSpin->setRange(3, 100000);
    rowsSpin->setValue(abaqus.maxRows);
    form->addRow(tr("Rows per table at most"), rowsSpin);

    outputBox = new QComboBox(parent);
    outputBox->setObjectName(QStringLiteral("outputBox"));
    outputBox->addItems({tr("Input file (.inp)"), tr("Abaqus/CAE script (.py)")});
    outputBox->setCurrentIndex(abaqus.output == AbaqusOptions::Output::Py ? 1 : 0);
    form->addRow(tr("Output"), outputBox);

    modelEdit = new QLineEdit(QString::fromStdString(abaqus.model), parent);
    modelEdit->setObjectName(QStringLiteral("modelEdit"));
    form->addRow(tr("Model name"), modelEdit);

    connect(modelEdit, &QLineEdit::textChanged, this, [this] { OptionChanged(); });
    for (QComboBox* box : {unitsBox, e0Box, damageBox, tensionDamageBox, tensionBox, outputBox})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { OptionChanged(); });
    connect(rowsSpin, &QSpinBox::valueChanged, this, [this] { OptionChanged(); });
}

void SolverExportDialog::BuildOpenSeesOptions(QFormLayout* form)
{
    QWidget* parent = form->parentWidget();
    formatBox = new QComboBox(parent);
    formatBox->setObjectName(QStringLiteral("formatBox"));
    formatBox->addItems({tr("Tcl (.tcl)"), tr("OpenSeesPy (.py)")});
    formatBox->setCurrentIndex(opensees.format == OpenSeesOptions::Format::Py ? 1 : 0);
    form->addRow(tr("Format"), formatBox);
    firstTagSpin = new QSpinBox(parent);
    firstTagSpin->setObjectName(QStringLiteral("firstTagSpin"));
    firstTagSpin->setRange(1, INT_MAX);
    firstTagSpin->setValue(int(opensees.firstTag));
    form->addRow(tr("First tag"), firstTagSpin);
    epsSpEdit = AddNumber(form, "epsSpEdit", "eps-sp", tr("Plastic-strain parameter εsp"),
                          opensees.epsSp);
    etaPEdit = AddNumber(form, "etaPEdit", "eta-p", tr("Plastic-strain parameter ηp"),
                         opensees.etaP);
    connect(formatBox, &QComboBox::currentIndexChanged, this, [this] { OptionChanged(); });
    connect(firstTagSpin, &QSpinBox::valueChanged, this, [this] { OptionChanged(); });
}

QString SolverExportDialog::RangeText(const OptionRange& r)
{
    const QString low = Number(r.low);
    const QString high = Number(r.high);
    if (r.high == HUGE_VAL)
        return r.lowOpen ? tr("above %1").arg(low)
                         : tr("at least %1").arg(low);
    if (r.lowOpen && r.highOpen)
        return tr("above %1 and below %2").arg(low, high);
    if (r.lowOpen)
        return tr("above %1 and at most %2").arg(low, high);
    if (r.highOpen)
        return tr("from %1 to below %2").arg(low, high);
    return tr("from %1 to %2").arg(low, high);
}

template <typename Options, typename Setter>
void SolverExportDialog::ReadNumber(Options& options, Setter set, QLineEdit* edit,
                                    QStringList& errors)
{
    const auto field = std::find_if(numberFields.begin(), numberFields.end(),
                                    [edit](const NumberField& f) { return f.edit == edit; });
    if (field == numberFields.end())
        return;
    std::string error;
    if (set(options, field->option, ForSetter(edit->text()), error))
        return;
    OptionRange range{};
    if (edit->text().trimmed().isEmpty())
        errors << tr("%1: enter a number.").arg(field->label);
    else if (solver == Solver::Abaqus && AbaqusOptionRange(field->option, range))
        errors << tr("%1: \"%2\" is not a number %3.")
                      .arg(field->label, edit->text().trimmed(), RangeText(range));
    else
        errors << tr("%1: \"%2\" is not a number above 0.")
                      .arg(field->label, edit->text().trimmed());
}

void SolverExportDialog::UpdateAbaqusLabels()
{
    const bool metres = abaqus.units == AbaqusOptions::Units::NMPa;
    const bool displacement = abaqus.tension == AbaqusOptions::Tension::Displacement;
    const QString stress = metres ? tr("Stress (Pa)") : tr("Stress (MPa)");
    const QString length = metres ? QStringLiteral("m") : QStringLiteral("mm");
    if (crackBandLabel)
        crackBandLabel->setText(tr("Crack-band width h (%1)").arg(length));
    const QString cracking = displacement ? tr("Cracking displacement (%1)").arg(length)
                                          : tr("Cracking strain");
    const QString plastic = displacement ? tr("Plastic displacement") : tr("Plastic strain");
    const QString effective = metres ? tr("Effective stress (Pa)") : tr("Effective stress (MPa)");
    compressionTable->setHorizontalHeaderLabels(
        {stress, tr("Inelastic strain"), tr("Damage"), tr("Plastic strain"), effective});
    tensionTable->setHorizontalHeaderLabels({stress, cracking, tr("Damage"), plastic, effective});
    compressionPlot->xAxis->setLabel(tr("Inelastic strain"));
    tensionPlot->xAxis->setLabel(cracking);
    for (QCustomPlot* plot : {compressionPlot, tensionPlot})
        plot->yAxis->setLabel(stress);
    bcEdit->setEnabled(CompressionDamageRule(abaqus) == AbaqusOptions::Damage::BirtelMark);
    btEdit->setEnabled(TensionDamageRule(abaqus) == AbaqusOptions::Damage::BirtelMark);
    crackBandEdit->setEnabled(displacement);
}

// Every option goes through the same setter as the command line, so that both accept and
// refuse the very same values; only the messages are the dialog's own.
void SolverExportDialog::OptionChanged()
{
    if (!built)
        return;
    QStringList errors;
    std::string error;
    if (solver == Solver::Abaqus) {
        AbaqusOptions next = abaqus;
        next.units = unitsBox->currentIndex() == 1 ? AbaqusOptions::Units::NMPa
                                                   : AbaqusOptions::Units::NMmMPa;
        next.e0 = AbaqusOptions::Modulus(e0Box->currentData().toInt());
        next.damage = AbaqusOptions::Damage(damageBox->currentData().toInt());
        const int tensionDamage = tensionDamageBox->currentData().toInt();
        next.tensionDamage = tensionDamage < 0
                                 ? std::nullopt
                                 : std::optional(AbaqusOptions::Damage(tensionDamage));
        next.tension = AbaqusOptions::Tension(tensionBox->currentData().toInt());
        for (QLineEdit* edit : {poissonEdit, dilationEdit, eccentricityEdit, fb0fc0Edit, kEdit,
                                viscosityEdit, elasticLimitEdit})
            ReadNumber(next, SetAbaqusOption, edit, errors);
        if (CompressionDamageRule(next) == AbaqusOptions::Damage::BirtelMark)
            ReadNumber(next, SetAbaqusOption, bcEdit, errors);
        if (TensionDamageRule(next) == AbaqusOptions::Damage::BirtelMark)
            ReadNumber(next, SetAbaqusOption, btEdit, errors);
        if (next.tension == AbaqusOptions::Tension::Displacement)
            ReadNumber(next, SetAbaqusOption, crackBandEdit, errors);
        next.maxRows = rowsSpin->value();
        next.output = outputBox->currentIndex() == 1 ? AbaqusOptions::Output::Py
                                                     : AbaqusOptions::Output::Inp;
        if (!SetAbaqusOption(next, "model", modelEdit->text().toStdString(), error))
            errors << tr("Model name: 1 to 80 characters, no control characters.");
        abaqus = next;  // the fields in error keep their last good value
        RememberedAbaqus() = abaqus;
        // A crack band that was never given cannot stand in for one: nothing is written.
        if (abaqus.tension == AbaqusOptions::Tension::Displacement &&
            crackBandEdit->text().trimmed().isEmpty())
            abaqus.crackBand = 0;
        UpdateAbaqusLabels();
    } else {
        opensees.format = formatBox->currentIndex() == 1 ? OpenSeesOptions::Format::Py
                                                         : OpenSeesOptions::Format::Tcl;
        opensees.firstTag = firstTagSpin->value();
        ReadNumber(opensees, SetOpenSeesOption, epsSpEdit, errors);
        ReadNumber(opensees, SetOpenSeesOption, etaPEdit, errors);
        RememberedOpenSees() = opensees;
    }
    errors.removeDuplicates();
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
    ShowBasis();
    if (solver == Solver::Abaqus)
        ShowAbaqusPreview();
    else
        ShowOpenSeesPreview();
}

void SolverExportDialog::SetDecimalSeparator(char separator)
{
    decimalSeparator = separator;
    ShowBasis();
}

void SolverExportDialog::ShowBasis()
{
    const CConcrete* selected = Selected();
    basisLabel->setText(selected ? tr("%1: %2").arg(Name(selected),
                                                    BasisDescription(*selected, decimalSeparator))
                                 : QString());
}

void SolverExportDialog::ShowAbaqusPreview()
{
    QStringList messages;
    if (!optionError.isEmpty())
        messages << optionError;
    const CConcrete* c = Selected();
    CdpMaterial material;
    std::string reason;
    // A problem of the options is the options' message, not the concrete's.
    const bool optionsUsable = AbaqusOptionsProblem(abaqus).empty();
    if (c && optionsUsable)
        material = BuildCdpMaterial(*c, abaqus, reason);
    if (!reason.empty()) {
        messages << QString::fromStdString(RefusalText({{c->ConcreteName, reason}}));
        material = CdpMaterial{};
    }
    const bool shown = c && optionsUsable && reason.empty();
    const bool compressionDamage = CompressionDamageRule(abaqus) != AbaqusOptions::Damage::None;
    const bool tensionDamage = TensionDamageRule(abaqus) != AbaqusOptions::Damage::None;
    const bool damage = compressionDamage || tensionDamage;
    Fill(compressionTable, compressionPlot, material.compression, compressionDamage);
    Fill(tensionTable, tensionPlot, material.tension, tensionDamage);
    const QLocale locale = UserLocale();
    deviationLabel->setText(
        shown ? tr("Largest deviation from the curve: compression %1 %, tension %2 % of the peak "
                   "stress")
                    .arg(locale.toString(material.compression.deviation, 'f', 2),
                         locale.toString(material.tension.deviation, 'f', 2))
              : QString());

    // What Abaqus will make of the tables: a plastic strain that stays near zero or an effective
    // stress far above the strength is visible before anything is written.
    double plastic[2] = {0, 0}, effective[2] = {0, 0};
    for (int k = 0; k < 2; ++k)
        for (const CdpRow& r : (k == 0 ? material.compression : material.tension).rows) {
            plastic[k] = std::max(plastic[k], r.plastic);
            effective[k] = std::max(effective[k], r.effective);
        }
    const bool metres = abaqus.units == AbaqusOptions::Units::NMPa;
    const QString unit = metres ? QStringLiteral("Pa") : QStringLiteral("MPa");
    const QString tensionPlastic =
        abaqus.tension == AbaqusOptions::Tension::Displacement
            ? tr("a plastic displacement of up to %1 %2").arg(locale.toString(plastic[1], 'g', 3),
                                                             metres ? QStringLiteral("m")
                                                                    : QStringLiteral("mm"))
            : tr("a plastic strain of up to %1").arg(locale.toString(plastic[1], 'g', 3));
    derivedLabel->setText(
        shown && damage
            ? tr("Abaqus derives a plastic strain of up to %1 in compression and %2 in tension, "
                 "and an effective stress of up to %3 %5 in compression and %4 %5 in tension.")
                  .arg(locale.toString(plastic[0], 'g', 3), tensionPlastic,
                       locale.toString(effective[0], 'g', 4),
                       locale.toString(effective[1], 'g', 4), unit)
            : QString());
    warningLabel->setText(
        (abaqus.damage == AbaqusOptions::Damage::Code ||
         TensionDamageRule(abaqus) == AbaqusOptions::Damage::Code)
            ? tr("The code rule leaves Abaqus no plastic strain: the law's damage is secant, so "
                 "the effective stress σ/(1 − d) climbs far above the strength, and CDP "
                 "analyses with such tables often fail to converge. Birtel-Mark or energy is "
                 "the usual choice.")
            : QString());
    warningLabel->setVisible(!warningLabel->text().isEmpty());

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
        for (const NameMapping& renamed : steelPanel->AbaqusRenamed(mapped))
            lines << QString::fromStdString(renamed.original) + QStringLiteral(" → ") +
                         QString::fromStdString(renamed.mapped);
    namesText->setPlainText(lines.isEmpty()
                                ? tr("Every name is a valid Abaqus material name.")
                                : tr("Material names changed for Abaqus:") +
                                      QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
    messageLabel->setText(messages.join(QLatin1Char('\n')));
}

QString SolverExportDialog::RefusalMessage(const std::vector<SolverRefusal>& refused)
{
    QStringList lines;
    for (const SolverRefusal& r : refused)
        lines << (r.name.empty() ? tr("Cannot write: %1").arg(QString::fromStdString(r.reason))
                                 : QString::fromStdString(RefusalText({r})));
    return lines.join(QLatin1Char('\n'));
}

void SolverExportDialog::ShowOpenSeesPreview()
{
    QStringList messages;
    if (!optionError.isEmpty())
        messages << optionError;
    const std::vector<const CConcrete*> checked = Checked();
    // The whole file: the steels' commands after the concretes'; where either is refused, what
    // the other would write.
    const OpenSeesFile built = BuildOpenSeesFile(
        checked, opensees, steelPanel ? steelPanel->Checked() : std::vector<const CSteel*>{},
        steelPanel ? steelPanel->OpenSeesOptionsShown() : SteelOpenSeesOptions{});
    const OpenSeesExport& out = built.concretes;
    const std::vector<SolverRefusal>& steelsRefused = built.steels.refused;
    const std::string file = built.text.empty() ? out.text + built.steels.text : built.text;
    const QString text = QString::fromUtf8(file.data(), qsizetype(file.size()));
    commandsText->setPlainText(text);
    // Every command whole in view: the preview is as wide as its longest line.
    const QFontMetrics metrics(commandsText->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    commandsText->setMinimumWidth(
        widest + 2 * int(commandsText->document()->documentMargin()) +
        2 * commandsText->frameWidth() + commandsText->verticalScrollBar()->sizeHint().width() +
        metrics.averageCharWidth());
    if (!out.refused.empty())
        messages << RefusalMessage(out.refused);
    if (!steelsRefused.empty())
        messages << QString::fromStdString(SteelRefusalText(steelsRefused));
    messageLabel->setText(messages.join(QLatin1Char('\n')));

    // ConcreteD's tension curve beside the code's, for the selected concrete.
    const CConcrete* c = Selected();
    QVector<double> strain, code, concreteD;
    TensionComparison comparison;
    if (c && c->ftk > 0 && std::isfinite(c->etmax) && CurveFits(c->etmax, kTensionStep)) {
        SampleCurve(c->etmax, kTensionStep, [&](double e) {
            strain << e;
            code << c->TensionStress(e);
            concreteD << ConcreteDTensionStress(*c, e);
        });
        comparison = CompareConcreteDTension(*c);
    }
    concreteDPlot->graph(0)->setData(strain, code, true);
    concreteDPlot->graph(1)->setData(strain, concreteD, true);
    concreteDPlot->rescaleAxes();
    concreteDPlot->yAxis->setRangeLower(0);
    concreteDPlot->yAxis->setRangeUpper(concreteDPlot->yAxis->range().upper * 1.1);
    concreteDPlot->replot();
    const QLocale locale = UserLocale();
    concreteDLabel->setText(
        strain.isEmpty()
            ? QString()
            : tr("ConcreteD follows the code's compression curve exactly, but not its tension "
                 "curve: for %1 the two differ by up to %2 % of ft (%3 % before the peak, %4 % "
                 "after it).")
                  .arg(Name(c), locale.toString(comparison.largest, 'f', 1),
                       locale.toString(comparison.beforePeak, 'f', 1),
                       locale.toString(comparison.afterPeak, 'f', 1)));
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
                              : tr("No concrete is checked."));
        return false;
    }

    // Everything is built and checked before the user is asked for a file.
    std::string text;
    std::vector<SolverRefusal> refused;
    Platform::SaveFileRequest request;
    request.caption = windowTitle();
    const FolderKind kind =
        solver == Solver::Abaqus ? FolderKind::Abaqus : FolderKind::OpenSees;
    request.directory = RecentFolder(kind);
    std::string steelRefusals;
    if (solver == Solver::Abaqus) {
        AbaqusFile file = BuildAbaqusFile(
            checked, abaqus, checkedSteels,
            steelPanel ? steelPanel->AbaqusOptionsShown() : SteelAbaqusOptions{});
        refused = std::move(file.concretes.refused);
        text = std::move(file.text);
        steelRefusals = SteelRefusalText(file.steels.refused);
        const bool py = abaqus.output == AbaqusOptions::Output::Py;
        request.defaultSuffix = py ? QStringLiteral("py") : QStringLiteral("inp");
        request.filter = py ? tr("Abaqus/CAE script (*.py)") : tr("Abaqus input file (*.inp)");
    } else {
        OpenSeesFile file = BuildOpenSeesFile(
            checked, opensees, checkedSteels,
            steelPanel ? steelPanel->OpenSeesOptionsShown() : SteelOpenSeesOptions{});
        refused = std::move(file.concretes.refused);
        text = std::move(file.text);
        steelRefusals = SteelRefusalText(file.steels.refused);
        const bool py = opensees.format == OpenSeesOptions::Format::Py;
        request.defaultSuffix = py ? QStringLiteral("py") : QStringLiteral("tcl");
        request.filter = py ? tr("OpenSeesPy script (*.py)") : tr("OpenSees Tcl script (*.tcl)");
    }
    if (!refused.empty() || !steelRefusals.empty()) {
        QString lines = RefusalMessage(refused);
        if (!steelRefusals.empty())
            lines += (lines.isEmpty() ? QString() : QStringLiteral("\n")) +
                     QString::fromStdString(steelRefusals);
        MessageDlg(this, Kind::Warning, lines + QLatin1Char('\n') + tr("Nothing was written."));
        return false;
    }
    request.fileName = (checked.empty() ? QStringLiteral("Steels.") : QStringLiteral("Concretes.")) +
                       request.defaultSuffix;

    return SaveTextAs(this, request, kind, text);
}
