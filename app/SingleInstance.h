#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace cvn {

// One program folder, one running program: two would each write the site list,
// the settings and the histories at close, and the last one to close would undo
// the other's work. The first start holds a lock file in the folder (a lock left by
// a program that no longer runs is taken over) and listens on a local socket named
// after the folder; a second start wakes the first through it and ends.
// The command line takes no part: it writes only the files it is asked to.
class TSingleInstance : public QObject {
public:
    // folder: the program folder, with or without a trailing "/".
    explicit TSingleInstance(const QString& folder);
    ~TSingleInstance() override;

    // True when this start is the folder's running program (or the folder cannot
    // hold a lock, as a read-only one, where no two can lose each other's writes).
    // False when another program runs there: it has been asked to come to the front.
    bool Claim();

    // Called in the running program when a second start asks for it.
    std::function<void()> OnWakeUp;

    // The local socket's name for a folder.
    static QString ServerName(const QString& folder);
    static QString LockFileName(const QString& folder);

private:
    bool WakeRunningProgram() const;

    QString Folder;
    std::unique_ptr<QLockFile> Lock;
    std::unique_ptr<QLocalServer> Server;
};

// Brings the window, or the modal dialog it is showing, to the front.
void BringToFront(class QWidget* window);

} // namespace cvn
