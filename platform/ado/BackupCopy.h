#pragma once

#include <QString>

namespace ado {

// Copies the encrypted database file at source into a new file at target through the
// engine's online backup, so the copy is one committed state whatever another program is
// writing, and a journal left by a killed run is rolled back first. The copy keeps the
// source's salt and cipher settings: it opens with the same password, as the source
// does. Waits for another program's lock as long as a connection does. Throws ado::Error
// when no whole copy was written; what was written under target is then removed. An
// existing target is never written to.
void BackupCopy(const QString& source, const QString& target, const QString& password);

// Replaces the contents of the database file at target with those of the backup in one
// transaction of the engine, so that every other connection sees either the old contents
// or the new. First takes the file for itself: when another program reads or writes it
// for longer than the busy timeout, throws an ado::Error whose Locked() is true and
// changes nothing. While the file is its own, and before it changes, copies the file's
// bytes to keepAs (which must not exist). Throws ado::Error on any other failure.
void RestoreInto(const QString& target, const QString& backup, const QString& password,
                 const QString& keepAs);

} // namespace ado
