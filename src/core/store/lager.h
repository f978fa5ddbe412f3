#pragma once
// The state behind Batch, shared with the settings access layer: the document
// of IniFil as the current batch read it, and the operations the batch made on
// it, kept so that they can be replayed on a newer file at commit.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/fil.h"
#include "store/ini_document.h"

namespace brul::lager {

bool IBatch();
// The document of IniFil for the running batch, read at first use; nullptr
// when IniFil is empty or the file is there but cannot be read (reads then
// give their defaults, and a commit of changes reports the reason).
const IniDocument* Dokument();

// The file as the running batch read it (or last wrote it), read at first
// use: its bytes, or why it is missing or cannot be read.
const platform::FilLesing& Lesing();

// For the dry run: the document a command keeps between its batches is set
// aside while a dry run runs, which starts from that content (the local path
// and the read are given), and is given back when it ends, so that a dry run
// costs the command no read of the file.
std::optional<std::pair<std::string, platform::FilLesing>> ParkerForTorrkjoring();
void HentEtterTorrkjoring();

// The operations of a batch. The result tells whether the document changed;
// a refusal is reported by the caller.
IniDocument::Utfall Skriv(std::string_view seksjon, std::string_view nokkel, std::string_view verdi);
IniDocument::Utfall SlettNokkel(std::string_view seksjon, std::string_view nokkel);
IniDocument::Utfall SlettSeksjon(std::string_view seksjon);
// The whole content at once (a version put back from the history).
IniDocument::Utfall ErstattAlt(std::string_view bytes);
// The character the last refused write could not store.
std::string UgyldigTegn();
// Why the file cannot be opened, empty when it can.
std::string Lesefeil();

// One operator action made of several batches one after the other (the
// command line's start-up and its command, the window's start-up): while an
// EnLesing lives, the document an outermost batch read or wrote serves the
// next one instead of a new read of the file. Commits are unchanged: each
// still checks the file and replays its operations on a newer one.
class EnLesing {
 public:
  EnLesing();
  ~EnLesing();  // the last one lets the next batch read the file again
  EnLesing(const EnLesing&) = delete;
  EnLesing& operator=(const EnLesing&) = delete;
};

// How many times the settings file was read (loads and commit checks) since
// the program started: the tests count the reads of each action by it.
std::size_t AntallLesinger();

// True in the outermost batch: a commit there writes the file.
bool Ytterst();
// Commits the outermost batch without reporting; `grunn` gets the reason of
// a failure. Inner batches return true.
bool CommitStille(std::string& grunn);

}  // namespace brul::lager
