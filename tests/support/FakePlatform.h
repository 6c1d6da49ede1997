#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "platform/Platform.h"

// Stands in for the desktop while a test runs: records every box, answers the file and folder
// dialogs from queues (an empty queue means the user cancels) and counts opened addresses. The
// program's settings are kept in a temporary folder and start empty with each FakePlatform.
class FakePlatform : public Platform {
public:
    struct Message {
        MsgKind kind;
        QString caption;
        QString text;
        QPointer<QWidget> parent;
    };
    struct DirectoryRequest {
        QString caption;
        QString directory;
    };

    FakePlatform();
    ~FakePlatform() override;

    void MessageBox(QWidget* parent, MsgKind kind, const QString& caption,
                    const QString& text) override;
    QString SaveFileName(QWidget* parent, const SaveFileRequest& request) override;
    QString OpenFileName(QWidget* parent, const OpenFileRequest& request) override;
    SaveAnswer AskSaveChanges(QWidget* parent, const QString& caption,
                              const QString& text) override;
    QString ExistingDirectory(QWidget* parent, const QString& caption,
                              const QString& directory) override;
    void OpenUrl(const QUrl& url) override;

    // Texts of the boxes shown so far, in order.
    QStringList Texts() const;
    void Clear();

    QList<Message> messages;
    std::function<void(const Message&)> onMessage;  // runs while the box would be open

    QStringList saveAnswers;
    QList<SaveFileRequest> saveRequests;
    QStringList openAnswers;
    QList<OpenFileRequest> openRequests;
    // Answers to the unsaved-changes question; an empty queue means the user cancels.
    QList<SaveAnswer> saveChangesAnswers;
    QStringList saveChangesQuestions;  // their texts, in order
    QStringList directoryAnswers;
    QList<DirectoryRequest> directoryRequests;
    QList<QUrl> openedUrls;

private:
    Platform* previous;
};
