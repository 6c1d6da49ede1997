#include "app/Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

namespace {

class DesktopPlatform final : public Platform {
public:
    void MessageBox(QWidget* parent, MsgKind kind, const QString& caption,
                    const QString& text) override
    {
        const QMessageBox::Icon icon = kind == MsgKind::Warning       ? QMessageBox::Warning
                                       : kind == MsgKind::Information ? QMessageBox::Information
                                                                      : QMessageBox::Critical;
        QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }

    QString SaveFileName(QWidget* parent, const SaveFileRequest& request) override
    {
        QFileDialog dialog(parent, request.caption, request.directory, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        // A name typed without a suffix gets the one of the file type the user picked.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             const QRegularExpressionMatch match =
                                 QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
                             if (match.hasMatch())
                                 dialog.setDefaultSuffix(match.captured(1));
                         });
        dialog.selectFile(request.fileName);
        dialog.setSizeGripEnabled(true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString OpenFileName(QWidget* parent, const OpenFileRequest& request) override
    {
        return QFileDialog::getOpenFileName(parent, request.caption, request.directory,
                                            request.filter);
    }

    SaveAnswer AskSaveChanges(QWidget* parent, const QString& caption,
                              const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveAnswer::Save;
        case QMessageBox::Discard: return SaveAnswer::Discard;
        default: return SaveAnswer::Cancel;
        }
    }

    QString ExistingDirectory(QWidget* parent, const QString& caption,
                              const QString& directory) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, directory);
    }

    void OpenUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

DesktopPlatform desktop;
Platform* current = &desktop;

}  // namespace

QString Platform::OpenFileName(QWidget*, const OpenFileRequest&)
{
    return {};
}

Platform::SaveAnswer Platform::AskSaveChanges(QWidget*, const QString&, const QString&)
{
    return SaveAnswer::Cancel;
}

Platform& Platform::Current()
{
    return *current;
}

Platform* Platform::Install(Platform* platform)
{
    Platform* previous = current;
    current = platform ? platform : &desktop;
    return previous;
}

QString ApplicationTitle()
{
    return QCoreApplication::applicationName();
}

void MessageDlg(QWidget* parent, Platform::MsgKind kind, const QString& text)
{
    const QString caption = kind == Platform::MsgKind::Warning       ? QStringLiteral("Warning")
                            : kind == Platform::MsgKind::Information ? QStringLiteral("Information")
                                                                     : ApplicationTitle();
    Platform::Current().MessageBox(parent, kind, caption, text);
}

void ShowException(const QString& message)
{
    MessageDlg(QApplication::activeWindow(), Platform::MsgKind::Error, message);
}

void SetFocus(QWidget* field)
{
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

void WarnAndFocus(QWidget* parent, QWidget* field, const QString& text)
{
    MessageDlg(parent, Platform::MsgKind::Warning, text);
    SetFocus(field);
}
