#include "dialogs/PictureOptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr PictureFormat kFormats[] = {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf,
                                      PictureFormat::Bmp};

PictureOptionsHook& Hook()
{
    static PictureOptionsHook hook;
    return hook;
}

}  // namespace

TPictureOptions::TPictureOptions(QWidget* parent, const PictureChoice& choice)
    : QDialog(parent), initial(choice)
{
    setObjectName(QStringLiteral("PictureOptions"));
    setWindowTitle(tr("Picture Options"));

    auto* form = new QFormLayout;
    if (!choice.formatFixed) {
        cbbFormat = new QComboBox(this);
        cbbFormat->setObjectName(QStringLiteral("cbbFormat"));
        for (PictureFormat format : kFormats)
            cbbFormat->addItem(PictureSuffix(format).toUpper(), int(format));
        cbbFormat->setCurrentIndex(cbbFormat->findData(int(choice.format)));
        form->addRow(tr("Format:"), cbbFormat);
    }

    for (int i = 0; i < choice.sizes.size(); ++i) {
        const QString number = QString::number(i + 1);
        auto* width = new QSpinBox(this);
        width->setObjectName(QStringLiteral("spnWidth") + number);
        auto* height = new QSpinBox(this);
        height->setObjectName(QStringLiteral("spnHeight") + number);
        for (QSpinBox* side : {width, height}) {
            side->setRange(kMinPictureSide, kMaxPictureSide);
            side->setAccelerated(true);
        }
        width->setValue(choice.sizes[i].width());
        height->setValue(choice.sizes[i].height());
        spnWidth.append(width);
        spnHeight.append(height);

        auto* row = new QHBoxLayout;
        row->addWidget(width);
        row->addWidget(new QLabel(QStringLiteral("\u00D7"), this));
        row->addWidget(height);
        row->addWidget(new QLabel(tr("pixels"), this));
        const QString label = choice.sizes.size() == 1 || i >= choice.names.size()
                                  ? tr("Size:")
                                  // The charts' names are the window's group titles.
                                  : tr("%1:").arg(QCoreApplication::translate(
                                        "TForm1", choice.names[i].toUtf8().constData()));
        form->addRow(label, row);
    }

    lblScale = new QLabel(tr("Scale:"), this);
    lblScale->setObjectName(QStringLiteral("lblScale"));
    cbbScale = new QComboBox(this);
    cbbScale->setObjectName(QStringLiteral("cbbScale"));
    for (int scale = 1; scale <= kMaxPictureScale; ++scale)
        cbbScale->addItem(QString::number(scale) + QStringLiteral("\u00D7"), scale);
    cbbScale->setCurrentIndex(std::clamp(choice.scale, 1, kMaxPictureScale) - 1);
    cbbScale->setToolTip(tr("More pixels with the same look, for sharp pictures on "
                            "high-resolution screens and in print"));
    form->addRow(lblScale, cbbScale);

    btnsOptions = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnsOptions->setObjectName(QStringLiteral("btnsOptions"));
    connect(btnsOptions, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(btnsOptions, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(btnsOptions);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (cbbFormat)
        connect(cbbFormat, &QComboBox::currentIndexChanged, this,
                &TPictureOptions::FormatChanged);
    connect(cbbScale, &QComboBox::currentIndexChanged, this, &TPictureOptions::FormatChanged);
    FormatChanged();
}

PictureFormat TPictureOptions::CurrentFormat() const
{
    return cbbFormat ? PictureFormat(cbbFormat->currentData().toInt()) : initial.format;
}

void TPictureOptions::FormatChanged()
{
    const bool png = CurrentFormat() == PictureFormat::Png;
    lblScale->setVisible(png);
    cbbScale->setVisible(png);
    // The written picture stays within the largest side whatever the scale.
    const int scale = png ? cbbScale->currentData().toInt() : 1;
    for (QSpinBox* side : spnWidth + spnHeight)
        side->setMaximum(kMaxPictureSide / scale);
}

PictureChoice TPictureOptions::Choice() const
{
    PictureChoice choice = initial;
    choice.format = CurrentFormat();
    choice.scale = choice.format == PictureFormat::Png ? cbbScale->currentData().toInt() : 1;
    for (int i = 0; i < choice.sizes.size(); ++i)
        choice.sizes[i] = QSize(spnWidth[i]->value(), spnHeight[i]->value());
    return choice;
}

bool AskPictureOptions(QWidget* parent, PictureChoice& choice)
{
    if (Hook())
        return Hook()(parent, choice);
    TPictureOptions dialog(parent, choice);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.Choice();
    return true;
}

PictureOptionsHook InstallPictureOptionsHook(PictureOptionsHook hook)
{
    PictureOptionsHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}
