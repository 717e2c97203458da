#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Whole-file reading with encoding detection, and writing in the ANSI code page.

// How another process may use the file while it is read. The Linux file system
// does not refuse a second reader or writer, so both modes open the same way.
enum class FileOpenMode { ReadShareAll, ReadShareRead };

// A file that exists but cannot be read is tried again after growing waits
// (500 ms, 1000 ms... at most kFileReadMaxWaitMs each) until about
// kFileReadRetryBudgetMs have passed in all: long enough for another program
// to let go of it, short enough not to freeze the window.
inline constexpr int kFileReadRetryBudgetMs = 10000;
inline constexpr int kFileReadMaxWaitMs = 2500;

// Waits between two attempts; the default sleeps. Tests install one that only
// records the delays.
using RetryWait = std::function<void(int milliseconds)>;
void setFileRetryWait(RetryWait wait);
void resetFileRetryWait();

// Decodes file bytes: a byte-order mark (UTF-8, UTF-16 LE or BE) chooses the
// encoding and is dropped; unmarked bytes are UTF-8 when well formed and not all
// ASCII, the ANSI code page otherwise.
QString DecoderTexte(const QByteArray& bytes);

// The whole text of the file; empty when it does not exist or is empty. A file
// that exists but cannot be read is tried again as said above; then EInOutError.
QString LireFichierTexte(const QString& fileName, FileOpenMode mode = FileOpenMode::ReadShareAll);

// Creates or replaces the file with the text in the ANSI code page, no mark.
// Throws EInOutError.
void EcrireFichierTexte(const QString& text, const QString& fileName);
