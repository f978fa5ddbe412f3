#pragma once
// The settings file as lines. Every line is kept byte for byte with its own
// line ending; reads follow the Windows profile functions (names matched
// without regard to case, blanks trimmed, one pair of quotes removed, first
// duplicate wins), and a write changes only the one line it addresses.
// Texts in and out are UTF-8; the file keeps the encoding it was read in.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brul {

class IniDocument {
 public:
  // The file's encoding is told by its first bytes alone, as the profile
  // functions tell it: a UTF-8 or UTF-16LE byte-order mark, else
  // Windows-1252, whatever the rest looks like. So no edit can change how
  // the other programs read the file.
  enum class Koding { Win1252, Utf8Bom, Utf16Le };
  enum class Utfall {
    Endret,         // the document changed
    Uendret,        // nothing to do (same value, absent key or section)
    Linjeskift,     // a name or value holds CR or LF: refused
    UgyldigNavn,    // an empty name, or a key name the file could not read back
    IkkeLagerbart,  // a character the file's encoding cannot hold: refused
    ForLang,        // a value longer than a read returns (kMaksLengde): refused
    Nulltegn,       // a name or value holds a NUL byte, where every read stops: refused
  };
  // A read returns at most this many characters, like the profile functions.
  static constexpr std::size_t kMaksLengde = 4095;

  IniDocument();  // an empty new file: Windows-1252, CRLF
  static IniDocument fraBytes(std::string_view bytes);
  // Bytes known to be in `koding` (without a byte-order mark): a part of a
  // file, which on its own could look like another encoding.
  static IniDocument fraBytes(std::string_view bytes, Koding koding);
  // The file's bytes; lines not changed are returned exactly as read.
  std::string tilBytes() const;

  Koding koding() const { return koding_; }
  const std::string& linjeslutt() const { return eol_; }
  // The line ending a document read from `bytes` gives the lines it adds
  // (its first one, CRLF where it has none); empty for UTF-16LE, not told.
  static std::string_view linjesluttI(std::string_view bytes);
  bool endret() const { return endret_; }

  // The value of the first key of that name in the first section of that name,
  // up to its first NUL byte, trimmed, one pair of quotes removed, cut to
  // kMaksLengde characters.
  std::optional<std::string> les(std::string_view seksjon, std::string_view nokkel) const;
  bool harSeksjon(std::string_view seksjon) const;
  // Section names in file order (first of each name), and a section's key
  // names (first of each name), as stored.
  std::vector<std::string> seksjoner() const;
  // The same, for only those of the names `bare` (trimmed and upper-cased):
  // without a look at the other sections of a large file.
  std::vector<std::string> seksjoner(const std::vector<std::string>& bare) const;
  std::vector<std::string> nokler(std::string_view seksjon) const;
  // True when the first section of that name holds the same lines, byte for
  // byte, here and in `annen` (or is missing from both), in the same
  // encoding: every read in it then gives the same answer in both.
  bool likSeksjon(const IniDocument& annen, std::string_view seksjon) const;
  // The keys whose value can differ between this document's section and
  // `annen`'s: those with a line on one side that the other does not have
  // byte for byte, in `annen`'s order, then this one's.
  std::vector<std::string> ulikeNokler(const IniDocument& annen, std::string_view seksjon) const;
  // The first section of that name as it stands, header and lines, each
  // with a line ending; empty when there is none. Read back with fraBytes
  // in this document's encoding, it gives the same answers.
  std::string seksjonsBytes(std::string_view seksjon) const;

  Utfall skriv(std::string_view seksjon, std::string_view nokkel, std::string_view verdi);
  Utfall slettNokkel(std::string_view seksjon, std::string_view nokkel);
  Utfall slettSeksjon(std::string_view seksjon);

  // After a refusal: the character that could not be stored (UTF-8).
  const std::string& ugyldigTegn() const { return ugyldigTegn_; }

 private:
  // A line is a view into buf_: the bytes of the file as read, then the
  // bytes of every line this document wrote since. The byte right after a
  // line's text tells its ending ('\n', '\r', "\r\n", or a 0 byte after the
  // last line of the file when that one has none), so nothing is copied or
  // allocated per line.
  struct Linje {
    std::size_t start = 0;
    std::size_t lengde = 0;
  };
  struct Seksjon {
    Linje hode;
    // The section's lines: a range of alle_ until the first change, then a
    // vector of its own.
    std::size_t fra = 0, antall = 0;
    std::vector<Linje> egne;
    bool egen = false;
    // Built at first look-up.
    mutable std::string foldet;  // upper-cased name; empty until indexed
    // Upper-cased key -> first line "key=value"; bare -> first line "key".
    mutable std::unordered_map<std::string, std::size_t> nokler, bare;
    mutable bool indeksert = false;
    // Look-ups answered by going through the lines, before the index pays:
    // a file's every section read for one key (the machine names) builds no
    // index at all.
    mutable unsigned gjennomlest = 0;
  };

  std::string_view raw(const Linje& l) const { return std::string_view(buf_).substr(l.start, l.lengde); }
  std::string_view slutt(const Linje& l) const;  // the line's own ending, "" for none
  const Linje* linjer(const Seksjon& s) const { return s.egen ? s.egne.data() : alle_.data() + s.fra; }
  std::size_t antall(const Seksjon& s) const { return s.egen ? s.egne.size() : s.antall; }
  std::vector<Linje>& egne(Seksjon& s);
  Linje leggTil(std::string_view raw, std::string_view slutt);
  void settRaw(Linje& l, std::string_view raw);
  std::string foldNavn(std::string_view raw) const;  // file bytes -> upper-cased UTF-8

  std::string tekst(std::string_view raw) const;  // file bytes -> UTF-8
  bool koder(std::string_view utf8, std::string& raw);  // UTF-8 -> file bytes
  void indekser(const Seksjon& s) const;
  // The first key line of that upper-cased name, without the index.
  std::optional<std::size_t> sokNokkel(const Seksjon& s, std::string_view foldet) const;
  void indekserSeksjoner() const;
  const Seksjon* finn(std::string_view seksjon) const;
  Seksjon* finn(std::string_view seksjon);
  Utfall sjekkNavn(std::string_view navn, bool nokkel) const;
  Linje nyLinje(std::string_view raw) { return leggTil(raw, eol_); }

  Koding koding_ = Koding::Win1252;
  std::string eol_ = "\r\n";
  std::string buf_;  // the file's bytes after any byte-order mark, a 0 byte, then written lines
  std::vector<Linje> alle_;  // every line that is no header, in file order, as read
  Seksjon forord_;  // lines before the first header: never addressed
  std::vector<Seksjon> seksjoner_;
  mutable std::unordered_map<std::string, std::size_t> seksjonIndeks_;
  mutable bool seksjonerIndeksert_ = false;
  bool endret_ = false;
  std::string ugyldigTegn_;
  std::string hale_;  // an odd last byte of a UTF-16LE file, given back as it was
};

}  // namespace brul
