#include "support/FakePlatform.h"

#include <QSettings>
#include <QTemporaryDir>

namespace {

// The program's settings (remembered folders, δc) live in a folder of the test run's own, never
// in the user's; each FakePlatform starts them empty, so tests do not depend on their order.
void UseEmptyTestSettings()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QSettings(QStringLiteral("Tarvolin"), QStringLiteral("Tarvolin")).clear();
}

}  // namespace

FakePlatform::FakePlatform() : previous(Platform::Install(this))
{
    UseEmptyTestSettings();
}

FakePlatform::~FakePlatform()
{
    Platform::Install(previous);
}

void FakePlatform::MessageBox(QWidget* parent, MsgKind kind, const QString& caption,
                              const QString& text)
{
    messages.append({kind, caption, text, parent});
    if (onMessage)
        onMessage(messages.constLast());
}

QString FakePlatform::SaveFileName(QWidget*, const SaveFileRequest& request)
{
    saveRequests.append(request);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

QString FakePlatform::OpenFileName(QWidget*, const OpenFileRequest& request)
{
    openRequests.append(request);
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

Platform::SaveAnswer FakePlatform::AskSaveChanges(QWidget*, const QString&, const QString& text)
{
    saveChangesQuestions.append(text);
    return saveChangesAnswers.isEmpty() ? SaveAnswer::Cancel : saveChangesAnswers.takeFirst();
}

QString FakePlatform::ExistingDirectory(QWidget*, const QString& caption, const QString& directory)
{
    directoryRequests.append({caption, directory});
    return directoryAnswers.isEmpty() ? QString() : directoryAnswers.takeFirst();
}

void FakePlatform::OpenUrl(const QUrl& url)
{
    openedUrls.append(url);
}

QStringList FakePlatform::Texts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts.append(message.text);
    return texts;
}

void FakePlatform::Clear()
{
    messages.clear();
    saveRequests.clear();
    directoryRequests.clear();
    openRequests.clear();
    saveChangesQuestions.clear();
    openedUrls.clear();
}
