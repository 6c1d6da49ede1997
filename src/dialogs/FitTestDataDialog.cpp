// File ▸ Fit to Test Data…: measured curves read, previewed and fitted; the concrete made by the
// window's own Create Concrete.

#include "dialogs/FitTestDataDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <new>

#include "fit/MarkerPoints.h"
#include "model/GradeFields.h"
#include "platform/FieldText.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"
#include "platform/RunGuarded.h"
#include "platform/ScreenFit.h"

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Columns beyond this are no stress–strain file's.
constexpr int kMostColumns = 999;

const fit::StrainUnit kStrainUnits[] = {fit::StrainUnit::Strain, fit::StrainUnit::Percent,
                                        fit::StrainUnit::Permille, fit::StrainUnit::Microstrain};
const fit::StressUnit kStressUnits[] = {fit::StressUnit::MPa, fit::StressUnit::kPa,
                                        fit::StressUnit::Pa};

template <typename Unit, std::size_t N>
int IndexOf(const Unit (&units)[N], Unit unit)
{
    for (std::size_t i = 0; i < N; ++i)
        if (units[i] == unit)
            return int(i);
    return 0;
}

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& rows)
{
    auto* table = new QTableWidget(int(rows.size()), 2, parent);
    table->setObjectName(QLatin1String(name));
    table->setVerticalHeaderLabels(rows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(90);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tall enough for every row: the tables are short and a scroll bar would hide one.
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          table->rowCount() * table->verticalHeader()->defaultSectionSize() +
                          2 * table->frameWidth());
    table->setMinimumWidth(table->verticalHeader()->sizeHint().width() +
                           2 * table->horizontalHeader()->minimumSectionSize() +
                           2 * table->frameWidth());
    return table;
}

}  // namespace

// -------------------------------------------------------------------------------------------
// MeasuredFilePanel

MeasuredFilePanel::MeasuredFilePanel(bool optional, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    auto* fileLabel = new QLabel(tr("File:"), this);
    fileLabel->setObjectName(QStringLiteral("lblFile"));
    edtFile = new QLineEdit(this);
    edtFile->setObjectName(QStringLiteral("edtFile"));
    edtFile->setReadOnly(true);
    fileLabel->setBuddy(edtFile);
    btnBrowse = new QPushButton(tr("Browse…"), this);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(edtFile, 1);
    fileRow->addWidget(btnBrowse);
    if (optional) {
        btnClear = new QPushButton(tr("Clear"), this);
        btnClear->setObjectName(QStringLiteral("btnClear"));
        fileRow->addWidget(btnClear);
    }
    layout->addLayout(fileRow);

    auto* readingRow = new QHBoxLayout;
    const auto labelled = [this, readingRow](const QString& text, QWidget* control) {
        auto* label = new QLabel(text, this);
        // lblStrainColumn for spnStrainColumn, and so on.
        label->setObjectName(QStringLiteral("lbl") + control->objectName().mid(3));
        label->setBuddy(control);
        readingRow->addWidget(label);
        readingRow->addWidget(control);
    };
    spnStrainColumn = new QSpinBox(this);
    spnStrainColumn->setObjectName(QStringLiteral("spnStrainColumn"));
    spnStressColumn = new QSpinBox(this);
    spnStressColumn->setObjectName(QStringLiteral("spnStressColumn"));
    // 0, "auto": the columns the heading names, else strain then stress.
    for (QSpinBox* spin : {spnStrainColumn, spnStressColumn}) {
        spin->setRange(0, kMostColumns);
        spin->setSpecialValueText(tr("auto"));
    }
    cbbStrainUnit = new QComboBox(this);
    cbbStrainUnit->setObjectName(QStringLiteral("cbbStrainUnit"));
    cbbStrainUnit->addItems({QStringLiteral("m/m"), QStringLiteral("%"), QStringLiteral("‰"),
                             QStringLiteral("µε")});
    cbbStressUnit = new QComboBox(this);
    cbbStressUnit->setObjectName(QStringLiteral("cbbStressUnit"));
    cbbStressUnit->addItems(
        {QStringLiteral("MPa (N/mm²)"), QStringLiteral("kPa"), QStringLiteral("Pa")});
    labelled(tr("Strain column"), spnStrainColumn);
    labelled(tr("Stress column"), spnStressColumn);
    readingRow->addSpacing(12);
    labelled(tr("Strain unit"), cbbStrainUnit);
    labelled(tr("Stress unit"), cbbStressUnit);
    readingRow->addStretch();
    layout->addLayout(readingRow);

    memPreview = new QPlainTextEdit(this);
    memPreview->setObjectName(QStringLiteral("memPreview"));
    memPreview->setReadOnly(true);
    memPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    memPreview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memPreview->setFixedHeight(memPreview->fontMetrics().lineSpacing() * 8 + 12);
    layout->addWidget(memPreview);

    lblReadAs = new QLabel(this);
    lblReadAs->setObjectName(QStringLiteral("lblReadAs"));
    lblReadAs->setWordWrap(true);
    lblReadAs->setMinimumHeight(lblReadAs->fontMetrics().lineSpacing() * 2);
    lblReadAs->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(lblReadAs);

    connect(btnBrowse, &QPushButton::clicked, this, [this] { RunGuarded([this] { Browse(); }); });
    if (btnClear)
        connect(btnClear, &QPushButton::clicked, this,
                [this] { RunGuarded([this] { Load(QString()); }); });
    connect(spnStrainColumn, &QSpinBox::valueChanged, this,
            [this] { RunGuarded([this] { ColumnChanged(true); }); });
    connect(spnStressColumn, &QSpinBox::valueChanged, this,
            [this] { RunGuarded([this] { ColumnChanged(false); }); });
    connect(cbbStrainUnit, &QComboBox::currentIndexChanged, this, [this](int index) {
        RunGuarded([this, index] {
            options.strainUnit = kStrainUnits[index];
            Reread();
        });
    });
    connect(cbbStressUnit, &QComboBox::currentIndexChanged, this, [this](int index) {
        RunGuarded([this, index] {
            options.stressUnit = kStressUnits[index];
            Reread();
        });
    });
}

QString MeasuredFilePanel::FileName() const
{
    return QFileInfo(path).fileName();
}

void MeasuredFilePanel::Browse()
{
    const QString chosen = Platform::Current().OpenFileName(
        this, {tr("Open Measured Curve"), RecentFolder(FolderKind::TestData),
               tr("Measured curves (*.csv *.txt *.dat *.tsv *.prn);;All files (*)")});
    if (chosen.isEmpty())
        return;
    RememberFileFolder(FolderKind::TestData, chosen);
    Load(chosen);
}

void MeasuredFilePanel::Load(const QString& chosen)
{
    path = chosen;
    options = {};
    bytes.clear();
    unreadable = false;
    refusal.clear();
    edtFile->setText(QDir::toNativeSeparators(path));
    if (!path.isEmpty()) {
        try {
            bytes = fit::ReadMeasuredBytes(QFileInfo(path).filesystemFilePath(),
                                           FileName().toStdString());
        } catch (const fit::MeasuredCurveError& error) {
            unreadable = true;
            refusal = QString::fromUtf8(error.what());
        }
    }
    Reread();
}

void MeasuredFilePanel::ColumnChanged(bool strainColumn)
{
    int strain = spnStrainColumn->value();
    int stress = spnStressColumn->value();
    const int chosen = strainColumn ? strain : stress;
    int& other = strainColumn ? stress : strain;
    if (chosen == 0) {
        // Back to automatic: the file's heading, or strain then stress.
        options.strainColumn.reset();
        options.stressColumn.reset();
    } else {
        // One column cannot be both: picking the other's column swaps the two, and a column
        // picked while the other is automatic takes the first one left for it.
        if (other == chosen)
            other = strainColumn ? strainShown : stressShown;
        if (other == chosen || other == 0)
            other = chosen == 1 ? 2 : 1;
        options.strainColumn = strain - 1;
        options.stressColumn = stress - 1;
    }
    Reread();
}

void MeasuredFilePanel::Reread()
{
    curve.reset();
    if (!unreadable)
        refusal.clear();
    if (!path.isEmpty() && !unreadable) {
        try {
            curve = fit::ReadMeasuredCurve(bytes, FileName().toStdString(), options);
        } catch (const fit::MeasuredCurveError& error) {
            refusal = QString::fromUtf8(error.what());
        } catch (const std::bad_alloc&) {
            refusal = tr("%1: not enough memory to read the file.").arg(FileName());
        }
    }
    ShowReading();
    emit Changed();
}

void MeasuredFilePanel::ShowReading()
{
    // The first lines with their numbers, which the messages and "data from line" refer to.
    QString preview;
    const std::vector<std::string> lines = fit::PreviewLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        preview += QStringLiteral("%1  %2\n").arg(i + 1, 3).arg(FromUtf8(lines[i]));
    memPreview->setPlainText(preview);

    // The columns as read; for a refused file the ones chosen, if any.
    const fit::CurveLayout* l = curve ? &curve->layout : nullptr;
    strainShown = l ? l->strainColumn + 1 : options.strainColumn.value_or(-1) + 1;
    stressShown = l ? l->stressColumn + 1 : options.stressColumn.value_or(-1) + 1;
    {
        const QSignalBlocker quiet[] = {QSignalBlocker(spnStrainColumn),
                                        QSignalBlocker(spnStressColumn),
                                        QSignalBlocker(cbbStrainUnit),
                                        QSignalBlocker(cbbStressUnit)};
        spnStrainColumn->setValue(strainShown);
        spnStressColumn->setValue(stressShown);
        if (l) {
            cbbStrainUnit->setCurrentIndex(IndexOf(kStrainUnits, l->strainUnit));
            cbbStressUnit->setCurrentIndex(IndexOf(kStressUnits, l->stressUnit));
        }
    }
    if (!l) {
        lblReadAs->clear();
        return;
    }

    const auto from = [this](fit::Source source) {
        switch (source) {
        case fit::Source::Heading: return tr("from the heading");
        case fit::Source::Option: return tr("as chosen");
        case fit::Source::Default: break;
        }
        return tr("not given");
    };
    QStringList text;
    text << tr("Data from line %1 (lines skipped before it: %2).")
                .arg(qulonglong(l->firstDataLine))
                .arg(qulonglong(l->headingLines));
    text << tr("Columns %1, strain unit %2, stress unit %3.")
                .arg(l->columnSource == fit::Source::Default ? tr("in the usual order")
                                                             : from(l->columnSource),
                     from(l->strainUnitSource), from(l->stressUnitSource));
    text << tr("%1 points read: %2 fitted, %3 of unloading loops and %4 at negative strain "
               "left out.")
                .arg(qulonglong(curve->points.size()))
                .arg(qulonglong(curve->envelope.size()))
                .arg(qulonglong(curve->leftOutUnloading))
                .arg(qulonglong(curve->leftOutNegative));
    if (l->strainNegative || l->stressNegative)
        text << tr("Written negative: read as positive.");
    lblReadAs->setText(text.join(QLatin1Char(' ')));
}

// -------------------------------------------------------------------------------------------
// FitTestDataDialog

FitTestDataDialog::FitTestDataDialog(char separator, CreateConcrete create, QWidget* parent)
    : QDialog(parent), separator(separator), create(std::move(create))
{
    setObjectName(QStringLiteral("dlgFitTestData1"));
    setWindowTitle(tr("Fit to Test Data"));
    // Room for the tables' labels and numbers side by side; well inside a 1366 × 768 screen.
    setMinimumWidth(940);
    auto* top = new QVBoxLayout(this);
    // The files, held values and tables scroll; the message, the name and the buttons stay in
    // view. In Chinese they are taller than a 1280×720 laptop screen at 125 % has room for.
    auto* layout = new QVBoxLayout;
    scroll = AddScrollingPart(top, layout, QStringLiteral("scrContent"),
                              QStringLiteral("pnlContent"));

    tabFiles = new QTabWidget(this);
    tabFiles->setObjectName(QStringLiteral("tabFiles"));
    compression = new MeasuredFilePanel(false, tabFiles);
    compression->setObjectName(QStringLiteral("pnlCompression"));
    tension = new MeasuredFilePanel(true, tabFiles);
    tension->setObjectName(QStringLiteral("pnlTension"));
    tabFiles->addTab(compression, tr("Compression curve"));
    tabFiles->addTab(tension, tr("Tension curve (optional)"));
    layout->addWidget(tabFiles);

    auto* held = new QGroupBox(tr("Hold values instead of fitting them"), this);
    held->setObjectName(QStringLiteral("grpHeld"));
    auto* heldRow = new QHBoxLayout(held);
    const auto holdable = [this, held, heldRow](const char* boxName, const QString& label,
                                                const char* editName, QLineEdit*& edit) {
        auto* box = new QCheckBox(label, held);
        box->setObjectName(QLatin1String(boxName));
        edit = new QLineEdit(held);
        edit->setObjectName(QLatin1String(editName));
        edit->setEnabled(false);
        edit->setMaximumWidth(90);
        heldRow->addWidget(box);
        heldRow->addWidget(edit);
        heldRow->addSpacing(12);
        connect(box, &QCheckBox::toggled, this, [this, edit](bool on) {
            edit->setEnabled(on);
            if (on)
                edit->setFocus();
            RunGuarded([this] { Refit(); });
        });
        connect(edit, &QLineEdit::editingFinished, this, [this] { RunGuarded([this] { Refit(); }); });
        return box;
    };
    chkHoldFc = holdable("chkHoldFc", tr("fc,r (N/mm2)"), "edtHoldFc", edtHoldFc);
    chkHoldEc = holdable("chkHoldEc", tr("Ec (N/mm2)"), "edtHoldEc", edtHoldEc);
    chkHoldFt = holdable("chkHoldFt", tr("ft,r (N/mm2)"), "edtHoldFt", edtHoldFt);
    heldRow->addStretch();
    layout->addWidget(held);

    // The window's own labels, so that a fitted value reads as the field it will fill.
    const auto field = [](const char* label) {
        return QCoreApplication::translate("TForm1", label);
    };
    auto* tables = new QHBoxLayout;
    tblValues = MakeTable(this, "tblValues",
                          {field("Modulus of elasticity Ec (N/mm2)"),
                           field("Axial Compression strength fc,k (N/mm2)"),
                           field("Strain at Peak Comp. Stress  εc,k  (10-6)"),
                           field("Shape parameter for Compression  ac"),
                           field("Axial Tension strength ft,k (N/mm2)"),
                           field("Strain at Peak Tensile Stress  εt,k  (10-6)"),
                           field("Shape parameter for Tension  at")});
    tblQuality = MakeTable(this, "tblQuality",
                           {tr("RMS error (N/mm2)"), tr("R²"),
                            tr("Highest measured stress (N/mm2)"), tr("Points used"),
                            tr("Left out: unloading loops"), tr("Left out: negative strain")});
    tblQuality->setHorizontalHeaderLabels({tr("Compression"), tr("Tension")});
    tables->addWidget(tblValues, 1);
    tables->addWidget(tblQuality, 1, Qt::AlignTop);
    layout->addLayout(tables);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMessage->setMinimumHeight(lblMessage->fontMetrics().lineSpacing() * 2);
    top->addWidget(lblMessage);

    auto* bottom = new QHBoxLayout;
    auto* nameLabel = new QLabel(QCoreApplication::translate("TForm1", "Concrete Name"), this);
    nameLabel->setObjectName(QStringLiteral("lblName"));
    edtName = new QLineEdit(this);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setMaximumWidth(180);
    nameLabel->setBuddy(edtName);
    btnCreate = new QPushButton(QCoreApplication::translate("TForm1", "Create Concrete"), this);
    btnCreate->setObjectName(QStringLiteral("btnCreate"));
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    bottom->addWidget(nameLabel);
    bottom->addWidget(edtName);
    bottom->addStretch();
    bottom->addWidget(btnCreate);
    bottom->addWidget(btnClose);
    top->addLayout(bottom);

    // Enter in a held value's field fits with it and shows the values; it must not make the
    // concrete before the user has seen them.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    connect(compression, &MeasuredFilePanel::Changed, this, [this] {
        // A new file names the concrete; rereading the same file keeps a name typed since.
        if (compression->Path() != namedAfter) {
            namedAfter = compression->Path();
            edtName->setText(FromUtf8(fit::ConcreteNameFromFile(
                QFileInfo(namedAfter).completeBaseName().toUtf8().toStdString())));
        }
        RunGuarded([this] { Refit(); });
    });
    connect(tension, &MeasuredFilePanel::Changed, this, [this] { RunGuarded([this] { Refit(); }); });
    connect(btnCreate, &QPushButton::clicked, this, [this] { RunGuarded([this] { CreateClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    Refit();
}

void FitTestDataDialog::showEvent(QShowEvent* event)
{
    // Sized when first shown, with the first file read: as large as the panels want, as far as
    // the screen has room. Before it is placed over its window, so that it lies on the screen.
    if (!sized) {
        sized = true;
        resize(ScrolledToScreen(this, scroll));
    }
    QDialog::showEvent(event);
}

void FitTestDataDialog::Problem(const QString& text)
{
    problems << text;
}

bool FitTestDataDialog::HeldValue(QCheckBox* box, QLineEdit* edit, const QString& label,
                                  std::optional<double>& value)
{
    value.reset();
    if (!box->isChecked() || !box->isEnabled())
        return true;
    const QString text = TrimControl(edit->text());
    const std::optional<double> read = ReadNumber(text, separator);
    if (!read) {
        Problem(tr("Held %1: %2").arg(label, NotANumberMessage(text)));
        return false;
    }
    if (!(*read > 0)) {
        Problem(tr("Held %1 must be greater than zero.").arg(label));
        return false;
    }
    value = *read;
    return true;
}

void FitTestDataDialog::Refit()
{
    problems.clear();
    notes.clear();
    compressionFit.reset();
    tensionFit.reset();
    made.reset();

    const fit::MeasuredCurve* c = compression->Curve();
    const fit::MeasuredCurve* t = tension->Curve();
    chkHoldFt->setEnabled(t != nullptr);
    edtHoldFt->setEnabled(t != nullptr && chkHoldFt->isChecked());

    if (compression->Path().isEmpty())
        Problem(tr("Choose the file of the measured compression curve."));
    for (const MeasuredFilePanel* panel : {compression, tension})
        if (!panel->Refusal().isEmpty())
            Problem(panel->Refusal());
    fit::CompressionFitOptions held;
    std::optional<double> heldFt;
    bool heldRead = HeldValue(chkHoldFc, edtHoldFc, QStringLiteral("fc,r"), held.strength);
    heldRead = HeldValue(chkHoldEc, edtHoldEc, QStringLiteral("Ec"), held.modulus) && heldRead;
    heldRead = HeldValue(chkHoldFt, edtHoldFt, QStringLiteral("ft,r"), heldFt) && heldRead;

    for (const MeasuredFilePanel* panel : {compression, tension})
        if (const fit::MeasuredCurve* curve = panel->Curve())
            for (const std::string& note : curve->notes)
                notes << tr("%1: %2").arg(panel->FileName(), FromUtf8(note));

    if (problems.isEmpty() && c) {
        try {
            compressionFit = fit::FitCompression(*c, held);
        } catch (const fit::FitError& error) {
            Problem(tr("%1: %2").arg(compression->FileName(), QString::fromUtf8(error.what())));
        }
        if (t) {
            try {
                tensionFit = fit::FitTension(*t, heldFt);
            } catch (const fit::FitError& error) {
                Problem(tr("%1: %2").arg(tension->FileName(), QString::fromUtf8(error.what())));
            }
        }
    }
    if (problems.isEmpty() && compressionFit && heldRead) {
        made = fit::MakeFittedConcrete(edtName->text().toUtf8().toStdString(), *compressionFit,
                                       c->envelope.back().strain, tensionFit,
                                       t ? t->envelope.back().strain : 0.0);
        const auto unconverged = [this](const fit::FitQuality& q, const QString& file) {
            if (!q.converged)
                notes << tr("The fit of %1 stopped at its limit of evaluations before it "
                            "converged; check the values against the points.")
                             .arg(file);
        };
        unconverged(compressionFit->quality, compression->FileName());
        if (tensionFit)
            unconverged(tensionFit->quality, tension->FileName());
        if (made->tensionFromCode)
            notes << tr("No tension data: ft,r, εt,r and αt will be the code's for C%1, the "
                        "grade nearest the fitted fc,r.")
                         .arg(made->grade);
    }
    ShowFit();
}

void FitTestDataDialog::ShowFit()
{
    const auto number = [this](const char* pattern, double value) {
        return Print(pattern, value, separator);
    };
    const auto heldMark = [](const QString& text, bool isHeld) {
        return isHeld ? tr("%1 (held)").arg(text) : text;
    };
    tblValues->clearContents();
    tblQuality->clearContents();
    if (made) {
        const DefinitionTexts code = GradeDefinitionTexts(made->grade, separator);
        tblValues->setHorizontalHeaderLabels(
            {tr("Fitted"), tr("C%1 (code)").arg(made->grade)});
        const fit::CompressionFit& cf = *compressionFit;
        const QString fitted[] = {
            heldMark(number("0", cf.Ec), cf.modulusFixed),
            heldMark(number("0.00", cf.fc), cf.strengthFixed),
            number("0.000", cf.ec * 1e6),
            number("0.000", cf.ac),
            tensionFit ? heldMark(number("0.000", tensionFit->ft), tensionFit->strengthFixed)
                       : QString(),
            tensionFit ? number("0.000", tensionFit->et * 1e6) : QString(),
            tensionFit ? number("0.000", tensionFit->at) : QString(),
        };
        const std::string* codeTexts[] = {&code.Ec,  &code.fck, &code.eck, &code.ac,
                                          &code.ftk, &code.etk, &code.at};
        for (int row = 0; row < 7; ++row) {
            tblValues->setItem(row, 0, Cell(fitted[row]));
            tblValues->setItem(row, 1, Cell(FromUtf8(*codeTexts[row])));
        }

        const auto r2 = [this](double value) {
            QString text = QString::number(value, 'f', 5);
            return text.replace(QLatin1Char('.'), QLatin1Char(separator));
        };
        const auto count = [](std::size_t n) { return QString::number(qulonglong(n)); };
        const auto column = [&](int index, const fit::FitQuality& q,
                                const fit::MeasuredCurve& curve) {
            const QString cells[] = {number("0.000", q.rms),        r2(q.r2),
                                     number("0.000", q.measuredPeak), count(q.used),
                                     count(curve.leftOutUnloading), count(curve.leftOutNegative)};
            for (int row = 0; row < 6; ++row)
                tblQuality->setItem(row, index, Cell(cells[row]));
        };
        column(0, compressionFit->quality, *compression->Curve());
        if (tensionFit)
            column(1, tensionFit->quality, *tension->Curve());
    } else {
        tblValues->setHorizontalHeaderLabels({tr("Fitted"), tr("Code")});
    }

    // What stops the fit first; else what the user should know about it.
    const bool refused = !problems.isEmpty();
    lblMessage->setText((refused ? problems : notes).join(QLatin1Char('\n')));
    QPalette palette = lblMessage->palette();
    palette.setColor(QPalette::WindowText,
                     refused ? QColor(160, 0, 0) : this->palette().color(QPalette::WindowText));
    lblMessage->setPalette(palette);
    btnCreate->setEnabled(made.has_value());
}

void FitTestDataDialog::CreateClick()
{
    // A held value typed but not yet confirmed with Enter counts as well.
    Refit();
    if (!made || !create)
        return;
    Fitted fitted;
    fitted.made = *made;
    fitted.made.definition.name = edtName->text().toUtf8().toStdString();
    fitted.compressionFile = compression->FileName();
    fitted.compressionPoints = fit::MarkerPoints(*compression->Curve());
    if (tensionFit) {
        fitted.tensionFile = tension->FileName();
        fitted.tensionPoints = fit::MarkerPoints(*tension->Curve());
    }
    if (create(fitted))
        accept();
}
