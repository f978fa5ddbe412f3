#include "platform/fil.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "platform/bred_win.h"
#include "platform/venting.h"

#include <vector>

namespace brul::platform {
namespace {

std::string Grunn(DWORD e) {
  switch (e) {
    case ERROR_PATH_NOT_FOUND: return "mappen finnes ikke";
    case ERROR_FILE_NOT_FOUND: return "filen finnes ikke";
    case ERROR_ACCESS_DENIED: return "ingen tilgang (filen kan være skrivebeskyttet)";
    case ERROR_WRITE_PROTECT: return "disken er skrivebeskyttet";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "disken er full";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return "filen er i bruk av et annet program";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return "filen finnes allerede";
    case ERROR_FILENAME_EXCED_RANGE: return "stien er for lang";
    case ERROR_DIRECTORY: return "det finnes en mappe med dette navnet";
    default: return "systemfeil nr. " + std::to_string(e);
  }
}

FilStempel FraInfo(const BY_HANDLE_FILE_INFORMATION& info) {
  FilStempel s;
  s.finnes = true;
  s.storrelse = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  const std::uint64_t t =
      (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
      info.ftLastWriteTime.dwLowDateTime;
  s.endretNs = static_cast<std::int64_t>(t) * 100;
  s.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  s.enhet = info.dwVolumeSerialNumber;
  return s;
}

std::wstring Mappe(const std::wstring& sti) {
  const std::size_t p = sti.find_last_of(L"\\/");
  if (p == std::wstring::npos) return L".";
  // A root ("\", "C:\") keeps its separator: "C:" alone is the current
  // folder of drive C.
  const bool rot = p == 0 || (p == 2 && sti[1] == L':');
  return sti.substr(0, rot ? p + 1 : p);
}

bool SkrivAlt(HANDLE h, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD del = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD n = 0;
    if (!WriteFile(h, bytes.data(), del, &n, nullptr)) return false;
    bytes.remove_prefix(n);
  }
  return true;
}

// A replacement refused because another program has the file open: the
// profile functions hold it only for the moment of one read or write.
bool IBruk(DWORD e) {
  return e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION || e == ERROR_UNABLE_TO_REMOVE_REPLACED ||
         e == ERROR_UNABLE_TO_MOVE_REPLACEMENT || e == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
}

// A path Windows takes whatever its length: an absolute one of MAX_PATH or
// more gets the \\?\ form, which passes the old limit (each part of it
// still holds at most 255 characters, and Windows says so when one is longer).
std::wstring Lang(const std::wstring& sti) {
  if (sti.size() < MAX_PATH || sti.rfind(L"\\\\?\\", 0) == 0) return sti;
  std::wstring ut = sti;
  for (wchar_t& c : ut)
    if (c == L'/') c = L'\\';
  if (ut.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + ut.substr(2);
  if (ut.size() > 2 && ut[1] == L':' && ut[2] == L'\\') return L"\\\\?\\" + ut;
  return sti;
}

// The temporary file of a save of `navn`: "." + navn + "." and six letters
// or digits. Nobody else names files so; the clean-up below takes nothing else.
bool ErMidlertidig(const std::wstring& oppforing, const std::wstring& navn) {
  if (oppforing.size() != navn.size() + 8 || oppforing[0] != L'.' || oppforing[navn.size() + 1] != L'.') return false;
  if (_wcsnicmp(oppforing.c_str() + 1, navn.c_str(), navn.size()) != 0) return false;
  for (std::size_t i = navn.size() + 2; i < oppforing.size(); ++i) {
    const wchar_t c = oppforing[i];
    if (!((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9'))) return false;
  }
  return true;
}

// Removes the temporary files of `navn` in `mappe` that a save stopped
// midway left behind: only names of this program's own form, checked one by
// one, and only one untouched for ten minutes (a running save holds its file
// for seconds at most, open without sharing until the replacement).
void RyddMidlertidige(const std::wstring& mappe, const std::wstring& navn) {
  std::wstring forMappe = mappe;
  if (!forMappe.empty() && forMappe.back() != L'\\' && forMappe.back() != L'/') forMappe += L'\\';
  WIN32_FIND_DATAW funn;
  HANDLE sok = FindFirstFileW(Lang(forMappe + L"*").c_str(), &funn);
  if (sok == INVALID_HANDLE_VALUE) return;
  FILETIME naa;
  GetSystemTimeAsFileTime(&naa);
  auto tall = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  constexpr std::uint64_t tiMinutter = 10ULL * 60 * 10000000;  // in 100 ns
  do {
    if (funn.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!ErMidlertidig(funn.cFileName, navn)) continue;
    const std::uint64_t endret = tall(funn.ftLastWriteTime);
    if (endret + tiMinutter < tall(naa)) DeleteFileW(Lang(forMappe + funn.cFileName).c_str());
  } while (FindNextFileW(sok, &funn));
  FindClose(sok);
}

}  // namespace

std::vector<std::string> FilnavnI(const std::string& mappe) {
  std::vector<std::string> ut;
  std::wstring forMappe = Bred(mappe);
  if (!forMappe.empty() && forMappe.back() != L'\\' && forMappe.back() != L'/') forMappe += L'\\';
  WIN32_FIND_DATAW funn;
  HANDLE sok = FindFirstFileW(Lang(forMappe + L"*").c_str(), &funn);
  if (sok == INVALID_HANDLE_VALUE) return ut;
  do {
    if (funn.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
    ut.push_back(Smal(funn.cFileName));
  } while (FindNextFileW(sok, &funn));
  FindClose(sok);
  return ut;
}

// Windows refuses to replace a file another program has open for writing
// (the replacement is retried instead), so nothing is written into the old
// file after the replacement: the check before it stands.
HoldtFil::~HoldtFil() { lukk(); }
void HoldtFil::lukk() { h_ = -1; }
FilLesing HoldtFil::les(const std::string& sti) { return LesHel(sti); }
std::optional<std::string> HoldtFil::etterErstatning() { return std::nullopt; }

std::optional<std::string> SkrivebeskyttetGrunn(const std::string& sti) {
  if (sti.empty()) return std::nullopt;
  const std::wstring w = Lang(Bred(sti));
  const DWORD attr = GetFileAttributesW(w.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  if (attr & FILE_ATTRIBUTE_DIRECTORY) return Grunn(ERROR_DIRECTORY);
  if (attr & FILE_ATTRIBUTE_READONLY) return std::string("filen er skrivebeskyttet");
  // Opening for writing changes nothing and tells what the access list says.
  HANDLE h = CreateFileW(w.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    if (e == ERROR_ACCESS_DENIED) return std::string("du har ikke skrivetilgang til filen");
    if (e == ERROR_WRITE_PROTECT) return Grunn(e);
    return std::nullopt;  // in use by another program: not protected
  }
  CloseHandle(h);
  return std::nullopt;
}

namespace {

// Reads a file whole. With `utenSkrivere`, the file is opened without
// write sharing, which Windows refuses while another program has it open
// for writing: that is waited for (up to kVentMs), so no half-written file
// is read.
FilLesing Les(const std::string& sti, bool utenSkrivere) {
  FilLesing r;
  const std::wstring w = Lang(Bred(sti));
  const DWORD deling = FILE_SHARE_READ | FILE_SHARE_DELETE | (utenSkrivere ? 0 : FILE_SHARE_WRITE);
  HANDLE h = INVALID_HANDLE_VALUE;
  {
    Venting v(kVenterSkriver);
    for (;;) {
      h = CreateFileW(w.c_str(), GENERIC_READ, deling, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE || !utenSkrivere || GetLastError() != ERROR_SHARING_VIOLATION) break;
      if (!v.igjen()) {
        r.status = LeseStatus::Feil;
        r.opptatt = true;
        r.feil = SkriverGrunn();
        return r;
      }
    }
  }
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND) {
      r.status = LeseStatus::Mangler;
    } else {
      r.status = LeseStatus::Feil;
      // A folder cannot be opened as a file: Windows says only "access denied".
      const DWORD a = GetFileAttributesW(w.c_str());
      r.feil = Grunn(a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) ? ERROR_DIRECTORY : e);
    }
    return r;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(h, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
      GetFileType(h) != FILE_TYPE_DISK) {
    r.status = LeseStatus::Feil;
    r.feil = GetFileType(h) != FILE_TYPE_DISK ? std::string("stien er ingen vanlig fil") : Grunn(GetLastError());
    CloseHandle(h);
    return r;
  }
  r.stempel = FraInfo(info);
  std::vector<char> buf(65536);
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buf.data(), static_cast<DWORD>(buf.size()), &n, nullptr)) {
      r.status = LeseStatus::Feil;
      r.feil = Grunn(GetLastError());
      r.bytes.clear();
      CloseHandle(h);
      return r;
    }
    if (n == 0) break;
    r.bytes.append(buf.data(), n);
  }
  CloseHandle(h);
  r.status = LeseStatus::Ok;
  return r;
}

}  // namespace

FilLesing LesHeleFil(const std::string& sti) { return Les(sti, false); }
FilLesing LesHel(const std::string& sti) { return Les(sti, true); }

std::optional<std::string> IkkeVanligFil(const std::string& sti) {
  const DWORD a = GetFileAttributesW(Lang(Bred(sti)).c_str());
  if (a == INVALID_FILE_ATTRIBUTES) {
    const DWORD e = GetLastError();
    if (e == ERROR_CANT_RESOLVE_FILENAME) return std::string("er en symbolsk lenke som peker i ring");
    return std::nullopt;
  }
  if (a & FILE_ATTRIBUTE_DIRECTORY) return std::string("er en mappe, ikke en fil");
  return std::nullopt;
}

Laas::~Laas() { slipp(); }

void Laas::slipp() {
  if (h_ != -1) CloseHandle(reinterpret_cast<HANDLE>(h_));  // closing lets go of the lock
  h_ = -1;
}

bool Laas::ta(const std::string& sti, std::string& feil) {
  slipp();
  HANDLE h = CreateFileW(Lang(Bred(sti)).c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  // No lock file can be made where no file can be written at all (a
  // missing or read-only folder): the save itself then fails and says why.
  if (h == INVALID_HANDLE_VALUE) return true;
  Venting v(kVenterLagring);
  for (;;) {
    OVERLAPPED o{};
    if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &o)) break;
    const DWORD e = GetLastError();
    if (e != ERROR_LOCK_VIOLATION && e != ERROR_IO_PENDING) {
      feil = "låsefilen " + sti + " kan ikke låses (" + Grunn(e) + ")";
      CloseHandle(h);
      return false;
    }
    if (!v.igjen()) {
      feil = LagringGrunn();
      CloseHandle(h);
      return false;
    }
  }
  h_ = reinterpret_cast<std::intptr_t>(h);
  return true;
}

FilStempel Stempel(const std::string& sti) {
  const std::wstring w = Lang(Bred(sti));
  HANDLE h = CreateFileW(w.c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  BY_HANDLE_FILE_INFORMATION info{};
  FilStempel s;
  if (GetFileInformationByHandle(h, &info)) s = FraInfo(info);
  CloseHandle(h);
  return s;
}

// Why a folder cannot take a new entry when the system only says the path
// is wrong (ERROR_DIRECTORY from GetTempFileName, ERROR_PATH_NOT_FOUND): the
// nearest part of the path that exists tells a missing folder from a file
// standing where a folder should be.
std::string MappeGrunn(std::wstring mappe, DWORD e) {
  while (!mappe.empty()) {
    const DWORD a = GetFileAttributesW(mappe.c_str());
    if (a != INVALID_FILE_ATTRIBUTES)
      return (a & FILE_ATTRIBUTE_DIRECTORY) ? Grunn(e == ERROR_DIRECTORY ? ERROR_PATH_NOT_FOUND : e)
                                            : "en del av stien er ikke en mappe";
    while (!mappe.empty() && (mappe.back() == L'\\' || mappe.back() == L'/')) mappe.pop_back();
    const auto skille = mappe.find_last_of(L"\\/");
    if (skille == std::wstring::npos) break;
    mappe.resize(skille);
  }
  return Grunn(ERROR_PATH_NOT_FOUND);
}

bool ErstattFil(const std::string& sti, std::string_view bytes, std::string& feil, const std::string*,
                bool* lenket, const FilStempel* forventet, bool* endretUnderveis) {
  // The old file is not linked here: a replace on Windows may keep the file's
  // identity, and the caller copies it instead.
  if (lenket) *lenket = false;
  if (endretUnderveis) *endretUnderveis = false;
  const std::wstring mal = Bred(sti);
  const DWORD attr = GetFileAttributesW(Lang(mal).c_str());
  const bool finnes = attr != INVALID_FILE_ATTRIBUTES;
  if (finnes && (attr & FILE_ATTRIBUTE_DIRECTORY)) {
    feil = Grunn(ERROR_DIRECTORY);
    return false;
  }
  if (finnes && (attr & FILE_ATTRIBUTE_READONLY)) {
    feil = "filen er skrivebeskyttet";
    return false;
  }
  const std::wstring mappe = Mappe(mal);
  const std::size_t skille = mal.find_last_of(L"\\/");
  const std::wstring navn = skille == std::wstring::npos ? mal : mal.substr(skille + 1);
  const std::wstring forMappe = skille == std::wstring::npos ? std::wstring() : mal.substr(0, skille + 1);
  // A name of this program's own form, made anew should it exist.
  std::wstring tmpNavn;
  HANDLE h = INVALID_HANDLE_VALUE;
  LARGE_INTEGER fro{};
  QueryPerformanceCounter(&fro);
  std::uint64_t x = static_cast<std::uint64_t>(fro.QuadPart) ^ (static_cast<std::uint64_t>(GetCurrentProcessId()) << 32);
  for (int forsok = 0; h == INVALID_HANDLE_VALUE && forsok < 20; ++forsok) {
    static const wchar_t tegn[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::wstring hale;
    for (int i = 0; i < 6; ++i) {
      x = x * 6364136223846793005ULL + 1442695040888963407ULL;
      hale += tegn[(x >> 33) % 62];
    }
    tmpNavn = forMappe + L"." + navn + L"." + hale;
    h = CreateFileW(Lang(tmpNavn).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    feil = e == ERROR_DIRECTORY || e == ERROR_PATH_NOT_FOUND ? MappeGrunn(mappe, e) : Grunn(e);
    return false;
  }
  const std::wstring tmpLang = Lang(tmpNavn);
  const wchar_t* tmp = tmpLang.c_str();
  if (!SkrivAlt(h, bytes) || !FlushFileBuffers(h)) {
    feil = Grunn(GetLastError());
    CloseHandle(h);
    DeleteFileW(tmp);
    return false;
  }
  CloseHandle(h);
  // Another program that replaced the file while this one was written must
  // not lose its content to this replacement: the caller reads it again.
  if (forventet && !(Stempel(sti) == *forventet)) {
    if (endretUnderveis) *endretUnderveis = true;
    DeleteFileW(tmp);
    feil = "et annet program byttet ut filen under lagringen";
    return false;
  }
  BOOL ok = FALSE;
  const std::wstring malLang = Lang(mal);
  // Another program reading or writing the file holds it for a moment:
  // tried again for up to two seconds before the save is given up. A file
  // held open by another program is the reason then, also where the last
  // attempt said only "access denied".
  bool iBruk = false;
  for (int forsok = 0; !ok && forsok < 40; ++forsok) {
    if (forsok > 0) Sleep(50);
    DWORD erstattFeil = 0;
    if (finnes) {
      ok = ReplaceFileW(malLang.c_str(), tmp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
      if (!ok) erstattFeil = GetLastError();
    }
    if (!ok) ok = MoveFileExW(tmp, malLang.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    const DWORD flyttFeil = ok ? 0 : GetLastError();
    iBruk = iBruk || IBruk(erstattFeil) || IBruk(flyttFeil);
    if (!ok && !IBruk(erstattFeil) && !IBruk(flyttFeil)) break;
    SetLastError(flyttFeil);
  }
  if (!ok && iBruk) SetLastError(ERROR_SHARING_VIOLATION);
  if (!ok) {
    feil = Grunn(GetLastError());
    DeleteFileW(tmp);
    return false;
  }
  RyddMidlertidige(mappe, navn);
  return true;
}

bool FinnesMappe(const std::string& sti) {
  const DWORD a = GetFileAttributesW(Lang(Bred(sti)).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FinnesFil(const std::string& sti) {
  const DWORD a = GetFileAttributesW(Lang(Bred(sti)).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool LagMappe(const std::string& sti, std::string& feil) {
  if (CreateDirectoryW(Lang(Bred(sti)).c_str(), nullptr)) return true;
  const DWORD e = GetLastError();
  feil = e == ERROR_PATH_NOT_FOUND ? MappeGrunn(Mappe(Bred(sti)), e) : Grunn(e);
  return false;
}

bool KopierFil(const std::string& fra, const std::string& til, std::string& feil) {
  if (CopyFileW(Bred(fra).c_str(), Bred(til).c_str(), TRUE)) return true;
  feil = Grunn(GetLastError());
  return false;
}

}  // namespace brul::platform
