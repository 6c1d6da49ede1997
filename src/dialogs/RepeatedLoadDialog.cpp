#include "dialogs/RepeatedLoadDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "chart/Chart.h"
#include "cyclic/CyclicPath.h"
#include "dialogs/PictureExport.h"
#include "dialogs/SaveText.h"
#include "formats/CyclicCsv.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"
#include "platform/ScreenFit.h"

namespace {

// What the fields held when the chart last drew, kept while the program runs: the next time the
// dialog opens it shows the same history. The issue's own example to begin with.
QString& RememberedHistory()
{
    static QString text = QStringLiteral("0, -0.002, -0.001, -0.004, -0.0025, -0.008");
    return text;
}

QString& RememberedStep()
{
    static QString text = [] {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, kDefaultCyclicStep,
                                          std::chars_format::fixed);
        return QString::fromLatin1(buffer, result.ptr - buffer);
    }();
    return text;
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The list's rows carry the material's kind and its place among its kind.
constexpr int kKindRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
enum Kind { ConcreteRow, SteelRow };

// The points a material reaches loaded straight from zero to either end of the history, in
// ascending strain: the envelope its path leaves and rejoins, made by the very walk that makes
// the path, so that the two meet exactly.
template <typename Walk>
std::vector<CyclicPoint> Envelope(std::span<const double> history, double step, Walk walk)
{
    const double low = std::min(0.0, *std::min_element(history.begin(), history.end()));
    const double high = std::max(0.0, *std::max_element(history.begin(), history.end()));
    std::vector<CyclicPoint> points;
    if (low < 0) {
        const double toLow[] = {0, low};
        points = walk(std::span<const double>(toLow), step);
        std::reverse(points.begin(), points.end());
    }
    if (high > 0) {
        const double toHigh[] = {0, high};
        std::vector<CyclicPoint> tension = walk(std::span<const double>(toHigh), step);
        points.insert(points.end(), tension.begin() + (points.empty() ? 0 : 1), tension.end());
    }
    return points;
}

// A lighter shade of the path's colour, opaque so that every picture format draws it alike.
QColor Faint(const QColor& color)
{
    const auto lighter = [](int channel) { return channel + (255 - channel) * 3 / 5; };
    return QColor(lighter(color.red()), lighter(color.green()), lighter(color.blue()));
}

struct DrawnMaterial {
    QString name;
    QVector<double> pathStrain, pathStress;
    QVector<double> envelopeStrain, envelopeStress;
};

void Split(const std::vector<CyclicPoint>& points, QVector<double>& strain, QVector<double>& stress)
{
    strain.reserve(qsizetype(points.size()));
    stress.reserve(qsizetype(points.size()));
    for (const CyclicPoint& point : points) {
        strain << point.strain;
        stress << point.stress;
    }
}

}  // namespace

RepeatedLoadDialog::RepeatedLoadDialog(const ConcreteRegistry& concretes,
                                       const SteelRegistry& steels, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RepeatedLoadDialog"));
    setWindowTitle(tr("Repeated Load"));
    setSizeGripEnabled(true);

    auto* controls = new QWidget(this);
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    historyEdit = new QLineEdit(RememberedHistory(), controls);
    historyEdit->setObjectName(QStringLiteral("historyEdit"));
    form->addRow(tr("Strain history"), historyEdit);
    auto* historyNote = new QLabel(
        tr("Reversal strains in m/m, separated by commas, with a decimal point; compression "
           "negative, tension positive; the first value is the start."),
        controls);
    historyNote->setObjectName(QStringLiteral("historyNote"));
    historyNote->setWordWrap(true);
    form->addRow(historyNote);
    stepEdit = new QLineEdit(RememberedStep(), controls);
    stepEdit->setObjectName(QStringLiteral("stepEdit"));
    form->addRow(tr("Step at most"), stepEdit);

    materialList = new QListWidget(controls);
    materialList->setObjectName(QStringLiteral("materialList"));
    // Checked as their rows are in the windows, as the command line takes the shown ones.
    const auto addRow = [this](const std::string& name, bool shown, Kind kind, std::size_t index) {
        auto* item = new QListWidgetItem(FromUtf8(name), materialList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
        item->setData(kKindRole, int(kind));
        item->setData(kIndexRole, int(index));
        item->setToolTip(kind == ConcreteRow ? tr("Concrete") : tr("Steel"));
    };
    for (std::size_t i = 0; i < concretes.size(); ++i) {
        concreteRows.push_back(&concretes.at(i));
        addRow(concretes.at(i).ConcreteName, concretes.Shown(i), ConcreteRow, i);
    }
    for (std::size_t i = 0; i < steels.size(); ++i) {
        steelRows.push_back(&steels.at(i));
        addRow(steels.at(i).SteelName, steels.Shown(i), SteelRow, i);
    }

    auto* envelopeNote = new QLabel(
        tr("Each path is drawn over its envelope, drawn faint. Concrete follows C.2.5 in "
           "compression; a crack opens at the strain left at zero stress and unloads along "
           "the secant of C.2.6. Steel follows C.1.3."),
        controls);
    envelopeNote->setObjectName(QStringLiteral("envelopeNote"));
    envelopeNote->setWordWrap(true);

    auto* left = new QVBoxLayout(controls);
    left->setContentsMargins(0, 0, 0, 0);
    left->addLayout(form);
    auto* listLabel = new QLabel(tr("Materials"), controls);
    listLabel->setBuddy(materialList);
    left->addWidget(listLabel);
    left->addWidget(materialList, 1);
    left->addWidget(envelopeNote);

    chart = new TChart(this);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setFont(ChartFont());
    chart->setMinimumSize(360, 260);
    // File contents, in every language, like the other charts' titles.
    chart->SetTitle(QStringLiteral("Repeated load"));
    chart->SetGridColor(TChart::ColorFromStored(0x808080));
    chart->SetZoomPen(QPen(TChart::ColorFromStored(0xFF80FF), 2));
    chart->SetLegendTextColor(TChart::ColorFromStored(0x640000));
    chart->SetLegendSquareSymbols(true);
    chart->SetLegendShadow(true);
    // The envelopes lie beneath every path, whatever their order in the legend.
    chart->addLayer(QStringLiteral("envelopes"), chart->layer(QStringLiteral("main")),
                    QCustomPlot::limBelow);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->addWidget(controls);
    splitter->addWidget(chart);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    controls->setMinimumWidth(220);

    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setWordWrap(true);
    drawButton = new QPushButton(tr("&Draw"), this);
    drawButton->setObjectName(QStringLiteral("drawButton"));
    drawButton->setDefault(true);
    saveButton = new QPushButton(tr("&Save CSV…"), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);
    saveButton->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(messageLabel, 1);
    buttons->addWidget(drawButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    connect(drawButton, &QPushButton::clicked, this, [this] { Draw(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { SaveCsv(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(materialList, &QListWidget::itemChanged, this, [this] { Redraw(); });
    connect(chart, &TChart::SaveImageAsRequested, this,
            [this] { SaveChartImageAs(this, chart, QStringLiteral("Repeated load")); });

    // Room for the chart on a 1366×768 screen with the taskbar and the frame; on a smaller
    // screen, what it has.
    resize(BoundedToScreen(this, QSize(1000, 600)).expandedTo(minimumSizeHint()));
    splitter->setSizes({300, 700});
    Redraw();
}

void RepeatedLoadDialog::SetDecimalSeparator(char separator)
{
    chart->SetDecimalSeparator(separator);
}

std::vector<const CConcrete*> RepeatedLoadDialog::CheckedConcretes() const
{
    std::vector<const CConcrete*> checked;
    for (int row = 0; row < materialList->count(); ++row) {
        const QListWidgetItem* item = materialList->item(row);
        if (item->checkState() == Qt::Checked && item->data(kKindRole).toInt() == ConcreteRow)
            checked.push_back(concreteRows.at(std::size_t(item->data(kIndexRole).toInt())));
    }
    return checked;
}

std::vector<const CSteel*> RepeatedLoadDialog::CheckedSteels() const
{
    std::vector<const CSteel*> checked;
    for (int row = 0; row < materialList->count(); ++row) {
        const QListWidgetItem* item = materialList->item(row);
        if (item->checkState() == Qt::Checked && item->data(kKindRole).toInt() == SteelRow)
            checked.push_back(steelRows.at(std::size_t(item->data(kIndexRole).toInt())));
    }
    return checked;
}

bool RepeatedLoadDialog::ReadFields(std::vector<double>& history, double& step)
{
    std::string problem = ParseCyclicHistory(historyEdit->text().toStdString(), history);
    if (!problem.empty()) {
        WarnAndFocus(this, historyEdit, tr("Strain history: %1.").arg(FromUtf8(problem)));
        return false;
    }
    problem = ParseCyclicStep(stepEdit->text().toStdString(), step);
    if (!problem.empty()) {
        WarnAndFocus(this, stepEdit, tr("Step: %1.").arg(FromUtf8(problem)));
        return false;
    }
    return true;
}

void RepeatedLoadDialog::Redraw()
{
    std::vector<double> history;
    double step = 0;
    if (ParseCyclicHistory(historyEdit->text().toStdString(), history).empty() &&
        ParseCyclicStep(stepEdit->text().toStdString(), step).empty())
        Draw();
}

bool RepeatedLoadDialog::Draw()
{
    std::vector<double> history;
    double step = 0;
    if (!ReadFields(history, step))
        return false;
    const std::vector<const CConcrete*> concretes = CheckedConcretes();
    const std::vector<const CSteel*> steels = CheckedSteels();
    const double materials = double(concretes.size() + steels.size());

    // The cheap count first: a history far too long for the chart is refused before any work.
    const double low = std::min(0.0, *std::min_element(history.begin(), history.end()));
    const double high = std::max(0.0, *std::max_element(history.begin(), history.end()));
    const double estimate =
        materials * (CyclicPointEstimate(history, step) + (high - low) / step + 2);
    const auto tooMany = [this] {
        WarnAndFocus(this, stepEdit,
                     tr("Step: the chart would have more than %1 points; choose a larger step "
                        "or a shorter history. Save CSV… writes up to %2 points.")
                         .arg(kMaxDrawnPoints)
                         .arg(kMaxCyclicPoints));
        return false;
    };
    if (!(estimate <= double(kMaxDrawnPoints)))
        return tooMany();

    // Everything is made before the chart changes: a refusal leaves it as it was.
    std::vector<DrawnMaterial> drawn;
    std::size_t left = kMaxDrawnPoints;
    try {
        const auto add = [&](const std::string& name, auto walk) {
            DrawnMaterial material{FromUtf8(name), {}, {}, {}, {}};
            const std::vector<CyclicPoint> path = walk(history, step, left);
            left -= path.size();
            const std::vector<CyclicPoint> envelope =
                Envelope(history, step, [&](std::span<const double> h, double s) {
                    return walk(h, s, left);
                });
            left -= std::min(left, envelope.size());
            Split(path, material.pathStrain, material.pathStress);
            Split(envelope, material.envelopeStrain, material.envelopeStress);
            drawn.push_back(std::move(material));
        };
        for (const CConcrete* concrete : concretes)
            add(concrete->ConcreteName, [concrete](std::span<const double> h, double s,
                                                   std::size_t limit) {
                return ConcreteCyclicPath(*concrete, h, s, limit);
            });
        for (const CSteel* steel : steels)
            add(steel->SteelName, [steel](std::span<const double> h, double s, std::size_t limit) {
                return SteelCyclicPath(*steel, h, s, limit);
            });
    } catch (const CyclicTooManyPoints&) {
        return tooMany();
    }

    chart->RemoveAllSeries();
    for (const DrawnMaterial& material : drawn) {
        // The path takes the palette's next colour, its envelope a faint shade of it.
        TPathSeries* path = chart->AddPathSeries();
        path->SetTitle(material.name);
        path->SetPenWidth(2);
        path->SetPoints(material.pathStrain, material.pathStress);
        TLineSeries* envelope = chart->AddSeries();
        envelope->SetTitle(tr("%1 (envelope)").arg(material.name));
        envelope->setPen(QPen(Faint(path->Color()), 1));
        envelope->setLayer(QStringLiteral("envelopes"));
        for (qsizetype i = 0; i < material.envelopeStrain.size(); ++i)
            envelope->AddXY(material.envelopeStrain[i], material.envelopeStress[i]);
    }
    messageLabel->setText(drawn.empty() ? tr("Check a concrete or a steel to draw its path.")
                                        : QString());
    RememberedHistory() = historyEdit->text();
    RememberedStep() = stepEdit->text();
    return true;
}

bool RepeatedLoadDialog::SaveCsv()
{
    using Kind = Platform::MsgKind;
    std::vector<double> history;
    double step = 0;
    if (!ReadFields(history, step))
        return false;
    const std::vector<const CConcrete*> concretes = CheckedConcretes();
    const std::vector<const CSteel*> steels = CheckedSteels();
    if (concretes.empty() && steels.empty()) {
        MessageDlg(this, Kind::Information, tr("No concrete or steel is checked."));
        return false;
    }
    // The file is made before the user is asked where it goes.
    std::string text;
    try {
        text = BuildCyclicCsv(concretes, steels, history, step);
    } catch (const CyclicTooManyPoints& error) {
        WarnAndFocus(this, stepEdit, tr("Step: %1.").arg(QString::fromUtf8(error.what())));
        return false;
    }

    Platform::SaveFileRequest request;
    request.caption = tr("Save CSV");
    request.directory = RecentFolder(FolderKind::RepeatedLoad);
    request.fileName = QStringLiteral("Repeated load.csv");
    request.filter = tr("CSV file (*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    return SaveTextAs(this, request, FolderKind::RepeatedLoad, text);
}
