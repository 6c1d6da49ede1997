#include "dialogs/SteelExportPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "steel/Steel.h"

namespace {

// Numbers in the preview and the field carry the user's decimal separator; the file keeps its
// point. No group separators.
QLocale UserLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// The file's text of a value (9 significant digits, as the steel writer prints it), with the
// user's separator.
QString Printed(double value)
{
    QString text = QString::fromStdString(solvertext::Rounded(value, 9));
    text.replace(QLatin1Char('.'), UserLocale().decimalPoint());
    return text;
}

QString Name(const CSteel* steel)
{
    return QString::fromUtf8(steel->SteelName.data(), qsizetype(steel->SteelName.size()));
}

}  // namespace

SteelAbaqusOptions& SteelExportPanel::RememberedAbaqus()
{
    static SteelAbaqusOptions options;
    return options;
}

SteelOpenSeesOptions& SteelExportPanel::RememberedOpenSees()
{
    static SteelOpenSeesOptions options;
    return options;
}

SteelExportPanel::SteelExportPanel(Solver solver, std::vector<Entry> steels, QWidget* parent)
    : QWidget(parent),
      solver(solver),
      entries(std::move(steels)),
      abaqus(RememberedAbaqus()),
      opensees(RememberedOpenSees())
{
    setObjectName(QStringLiteral("steelPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* listGroup = new QGroupBox(tr("Steels"), this);
    listGroup->setObjectName(QStringLiteral("steelsGroup"));
    auto* listLayout = new QVBoxLayout(listGroup);
    steelList = new QListWidget(listGroup);
    steelList->setObjectName(QStringLiteral("steelList"));
    for (const Entry& e : entries) {
        auto* item = new QListWidgetItem(Name(e.steel), steelList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
    }
    if (steelList->count() > 0)
        steelList->setCurrentRow(0);
    listLayout->addWidget(steelList);

    auto* form = new QFormLayout;
    listLayout->addLayout(form);
    if (solver == Solver::Abaqus) {
        steelPlasticBox = new QComboBox(listGroup);
        steelPlasticBox->setObjectName(QStringLiteral("steelPlasticBox"));
        steelPlasticBox->addItems({tr("True stress, logarithmic plastic strain"),
                                   tr("Nominal values")});
        steelPlasticBox->setCurrentIndex(
            abaqus.plastic == SteelAbaqusOptions::Plastic::Nominal ? 1 : 0);
        form->addRow(tr("Steel plastic table"), steelPlasticBox);
        // Which table suits which analysis: the difference is a model that is 12 % off.
        auto* plasticNote = new QLabel(
            tr("True values are right for a large-strain analysis (NLGEOM=YES) and about 12 % "
               "off in a small-strain one, where nominal values are the choice."),
            listGroup);
        plasticNote->setObjectName(QStringLiteral("steelPlasticNote"));
        plasticNote->setWordWrap(true);
        form->addRow(plasticNote);
        steelPoissonEdit =
            new QLineEdit(UserLocale().toString(abaqus.poisson, 'g', 15), listGroup);
        steelPoissonEdit->setObjectName(QStringLiteral("steelPoissonEdit"));
        form->addRow(tr("Steel Poisson's ratio"), steelPoissonEdit);
        connect(steelPlasticBox, &QComboBox::currentIndexChanged, this,
                [this] { OptionChanged(); });
        connect(steelPoissonEdit, &QLineEdit::textChanged, this, [this] { OptionChanged(); });

        steelTable = new QTableWidget(0, 2, listGroup);
        steelTable->setObjectName(QStringLiteral("steelTable"));
        steelTable->setHorizontalHeaderLabels({tr("Stress"), tr("Plastic strain")});
        steelTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
        steelTable->verticalHeader()->setDefaultSectionSize(18);
        steelTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        listLayout->addWidget(steelTable);
        steelDeviationLabel = new QLabel(listGroup);
        steelDeviationLabel->setObjectName(QStringLiteral("steelDeviationLabel"));
        steelDeviationLabel->setWordWrap(true);
        listLayout->addWidget(steelDeviationLabel);
    } else {
        steelMaterialBox = new QComboBox(listGroup);
        steelMaterialBox->setObjectName(QStringLiteral("steelMaterialBox"));
        steelMaterialBox->addItems({tr("Hysteretic (the code's curve)"),
                                    tr("Steel02 (cyclic analyses)")});
        steelMaterialBox->setCurrentIndex(
            opensees.material == SteelOpenSeesOptions::Material::Steel02 ? 1 : 0);
        form->addRow(tr("Steel material"), steelMaterialBox);
        connect(steelMaterialBox, &QComboBox::currentIndexChanged, this,
                [this] { OptionChanged(); });
        steelCommandText = new QPlainTextEdit(listGroup);
        steelCommandText->setObjectName(QStringLiteral("steelCommandText"));
        steelCommandText->setReadOnly(true);
        steelCommandText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        steelCommandText->setMinimumHeight(100);
        steelCommandText->setMaximumHeight(130);
        listLayout->addWidget(steelCommandText);
    }
    steelMessageLabel = new QLabel(listGroup);
    steelMessageLabel->setObjectName(QStringLiteral("steelMessageLabel"));
    steelMessageLabel->setWordWrap(true);
    steelMessageLabel->setStyleSheet(QStringLiteral("color: #a00000"));
    listLayout->addWidget(steelMessageLabel);
    layout->addWidget(listGroup);

    connect(steelList, &QListWidget::currentRowChanged, this, [this] { UpdatePreview(); });
    connect(steelList, &QListWidget::itemChanged, this, [this] {
        UpdatePreview();
        emit changed();
    });
    UpdatePreview();
}

void SteelExportPanel::SetConcreteOptions(const AbaqusOptions& options)
{
    TakeAbaqusOptions(abaqus, options);
    UpdatePreview();
}

void SteelExportPanel::SetConcreteOptions(const OpenSeesOptions& options,
                                          std::size_t checkedConcretes)
{
    opensees.format = options.format;
    opensees.firstTag = options.firstTag + static_cast<long long>(checkedConcretes);
    UpdatePreview();
}

void SteelExportPanel::OptionChanged()
{
    optionError.clear();
    if (solver == Solver::Abaqus) {
        abaqus.plastic = steelPlasticBox->currentIndex() == 1
                             ? SteelAbaqusOptions::Plastic::Nominal
                             : SteelAbaqusOptions::Plastic::True;
        // Either separator, as the dialog's other fields take them.
        QString text = steelPoissonEdit->text().trimmed();
        text.replace(UserLocale().decimalPoint(), QLatin1String("."));
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        std::string error;
        if (!SetSteelAbaqusOption(abaqus, "steel-poisson", text.toStdString(), error))
            optionError = tr("Steel Poisson's ratio: \"%1\" is not a number from %2 to below %3.")
                              .arg(steelPoissonEdit->text(), UserLocale().toString(0),
                                   UserLocale().toString(0.5));
        RememberedAbaqus().plastic = abaqus.plastic;
        RememberedAbaqus().poisson = abaqus.poisson;
    } else {
        opensees.material = steelMaterialBox->currentIndex() == 1
                                ? SteelOpenSeesOptions::Material::Steel02
                                : SteelOpenSeesOptions::Material::Hysteretic;
        RememberedOpenSees().material = opensees.material;
    }
    UpdatePreview();
    emit changed();
}

const CSteel* SteelExportPanel::Selected() const
{
    const int row = steelList->currentRow();
    if (row < 0 || row >= int(entries.size()))
        return entries.empty() ? nullptr : entries.front().steel;
    return entries[std::size_t(row)].steel;
}

std::vector<const CSteel*> SteelExportPanel::Checked() const
{
    std::vector<const CSteel*> list;
    for (int i = 0; i < steelList->count() && i < int(entries.size()); ++i)
        if (steelList->item(i)->checkState() == Qt::Checked)
            list.push_back(entries[std::size_t(i)].steel);
    return list;
}

void SteelExportPanel::UpdatePreview()
{
    QStringList messages;
    if (!optionError.isEmpty())
        messages << optionError;
    const CSteel* steel = Selected();
    if (solver == Solver::Abaqus) {
        SteelAbaqusMaterial material;
        std::string reason;
        if (steel)
            material = BuildSteelAbaqusMaterial(*steel, abaqus, reason);
        if (!reason.empty())
            messages << QString::fromStdString(SteelRefusalText({{steel->SteelName, reason}}));
        steelTable->setRowCount(int(material.rows.size()));
        for (int i = 0; i < int(material.rows.size()); ++i) {
            const SteelPlasticRow& r = material.rows[std::size_t(i)];
            steelTable->setItem(i, 0, new QTableWidgetItem(Printed(r.stress)));
            steelTable->setItem(i, 1, new QTableWidgetItem(Printed(r.plastic)));
        }
        steelTable->resizeColumnsToContents();
        steelDeviationLabel->setText(
            steel && reason.empty()
                ? tr("%1 rows; largest gap to the curve %2 % of the stress")
                      .arg(material.rows.size())
                      .arg(UserLocale().toString(material.deviation, 'f', 3))
                : QString());
    } else {
        QString text;
        if (steel) {
            long long tag = opensees.firstTag;
            // The selected steel's own tag, as it will stand in the file.
            for (const CSteel* checked : Checked()) {
                if (checked == steel)
                    break;
                ++tag;
            }
            text = QString::fromStdString(
                SteelOpenSeesCommand(*steel, tag, opensees.material, opensees.format));
        }
        steelCommandText->setPlainText(text);
    }
    steelMessageLabel->setText(messages.join(QLatin1Char('\n')));
}

std::vector<NameMapping> SteelExportPanel::AbaqusRenamed(
    std::span<const std::string> concreteNames) const
{
    return BuildSteelAbaqusExport(Checked(), abaqus, concreteNames).renamed;
}
