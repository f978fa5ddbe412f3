#pragma once
// The settings-file parser as it was before lines became views into one
// buffer: a string per line, full UTF-8 validation, sections indexed at once.
// Kept here only so the benchmark can print how much faster the store's own
// parser is on the same bytes; nothing outside bench/ uses it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brul::bench::gammel {

class IniDocument {
 public:
  enum class Koding { Win1252, Utf8, Utf8Bom };
  enum class Utfall {
    Endret,         // the document changed
    Uendret,        // nothing to do (same value, absent key or section)
    Linjeskift,     // a name or value holds CR or LF: refused
    UgyldigNavn,    // an empty name, or a key name the file could not read back
    IkkeLagerbart,  // a character the file's encoding cannot hold: refused
  };
  // A read returns at most this many characters, like the profile functions.
  static constexpr std::size_t kMaksLengde = 4095;

  IniDocument();  // an empty new file: Windows-1252, CRLF
  static IniDocument fraBytes(std::string_view bytes);
  // The file's bytes; lines not changed are returned exactly as read.
  std::string tilBytes() const;

  Koding koding() const { return koding_; }
  const std::string& linjeslutt() const { return eol_; }
  bool endret() const { return endret_; }

  // The value of the first key of that name in the first section of that name,
  // trimmed, one pair of quotes removed, cut to kMaksLengde characters.
  std::optional<std::string> les(std::string_view seksjon, std::string_view nokkel) const;
  bool harSeksjon(std::string_view seksjon) const;
  // Section names in file order (first of each name), and a section's key
  // names (first of each name), as stored.
  std::vector<std::string> seksjoner() const;
  std::vector<std::string> nokler(std::string_view seksjon) const;

  Utfall skriv(std::string_view seksjon, std::string_view nokkel, std::string_view verdi);
  Utfall slettNokkel(std::string_view seksjon, std::string_view nokkel);
  Utfall slettSeksjon(std::string_view seksjon);

  // After a refusal: the character that could not be stored (UTF-8).
  const std::string& ugyldigTegn() const { return ugyldigTegn_; }

 private:
  struct Linje {
    std::string raw;  // bytes as in the file, without line ending
    std::string eol;  // "\r\n", "\n", "\r" or "" (last line without ending)
  };
  struct Seksjon {
    Linje hode;
    std::string foldet;  // upper-cased name for look-up
    std::vector<Linje> linjer;
    // Upper-cased key -> first line "key=value"; bare -> first line "key".
    mutable std::unordered_map<std::string, std::size_t> nokler, bare;
    mutable bool indeksert = false;
  };

  std::string tekst(const std::string& raw) const;  // file bytes -> UTF-8
  bool koder(std::string_view utf8, std::string& raw);  // UTF-8 -> file bytes
  void indekser(const Seksjon& s) const;
  void indekserSeksjoner();
  const Seksjon* finn(std::string_view seksjon) const;
  Seksjon* finn(std::string_view seksjon);
  Utfall sjekkNavn(std::string_view navn, bool nokkel) const;
  Linje nyLinje(std::string raw) const { return Linje{std::move(raw), eol_}; }

  Koding koding_ = Koding::Win1252;
  std::string eol_ = "\r\n";
  std::vector<Linje> forord_;  // lines before the first header: never addressed
  std::vector<Seksjon> seksjoner_;
  std::unordered_map<std::string, std::size_t> seksjonIndeks_;
  bool endret_ = false;
  std::string ugyldigTegn_;
};

}  // namespace brul::bench::gammel
