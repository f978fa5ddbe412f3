#include "store/delta.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace brul::historikk {

namespace {

// The hash of the first versions kept as deltas: one multiply chain, each
// step waiting for the last. Still checked, so that those versions restore.
std::uint64_t Hash1(std::string_view s) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    h = (h ^ w) * 0xff51afd7ed558ccdull;
    h ^= h >> 32;
  }
  std::uint64_t w = 0;
  if (i < s.size()) std::memcpy(&w, s.data() + i, s.size() - i);  // an empty view may have no data at all
  h = (h ^ w) * 0xc4ceb9fe1a85ec53ull;
  h ^= h >> 29;
  h *= 0xff51afd7ed558ccdull;
  return h ^ (h >> 32);
}

// The same kind of hash in four independent chains over 32-byte steps, which
// the processor runs side by side: a save hashes the whole file.
std::uint64_t Hash2(std::string_view s) {
  std::uint64_t h[4] = {0x9E3779B97F4A7C15ull ^ s.size(), 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull,
                        0x27D4EB2F165667C5ull};
  std::size_t i = 0;
  for (; i + 32 <= s.size(); i += 32) {
    for (int k = 0; k < 4; ++k) {
      std::uint64_t w;
      std::memcpy(&w, s.data() + i + 8 * k, 8);
      h[k] = (h[k] ^ w) * 0xff51afd7ed558ccdull;
      h[k] ^= h[k] >> 32;
    }
  }
  std::uint64_t r = h[0];
  for (int k = 1; k < 4; ++k) r = (r ^ h[k]) * 0xc4ceb9fe1a85ec53ull, r ^= r >> 29;
  return r ^ Hash1(s.substr(i));
}

}  // namespace

// "length<TAB>hash" of a content; the hash of this form starts with "2:".
std::string Merke(std::string_view s) {
  char b[48];
  std::snprintf(b, sizeof b, "%zu\t2:%016llx", s.size(), static_cast<unsigned long long>(Hash2(s)));
  return b;
}

// Whether `s` is the content `merke` names, in whichever form it was made.
bool Passer(const std::string& merke, std::string_view s) {
  if (merke.find("\t2:") != std::string::npos) return merke == Merke(s);
  char b[48];
  std::snprintf(b, sizeof b, "%zu\t%016llx", s.size(), static_cast<unsigned long long>(Hash1(s)));
  return merke == b;
}

namespace {

// A line of a content: where it starts, its length (with its line feed) and hash.
struct Linje {
  std::size_t a, n;
  std::uint64_t h;
};

std::vector<Linje> Linjer(std::string_view s, std::size_t fra, std::size_t til) {
  std::vector<Linje> ut;
  while (fra < til) {
    const void* lf = std::memchr(s.data() + fra, '\n', til - fra);
    const std::size_t slutt = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - s.data()) + 1 : til;
    ut.push_back({fra, slutt - fra, Hash1(s.substr(fra, slutt - fra))});
    fra = slutt;
  }
  return ut;
}

class Delta {
 public:
  void kopi(std::size_t a, std::size_t n) {
    if (!n) return;
    if (kopiN_ && kopiA_ + kopiN_ == a) {
      kopiN_ += n;
      return;
    }
    tom();
    kopiA_ = a;
    kopiN_ = n;
  }
  void ny(std::string_view b) {
    if (b.empty()) return;
    if (kopiN_) tom();
    nytt_ += b;
  }
  std::string ferdig() {
    tom();
    return std::move(ut_);
  }

 private:
  void tom() {
    if (kopiN_) ut_ += "k " + std::to_string(kopiA_) + " " + std::to_string(kopiN_) + "\n";
    if (!nytt_.empty()) ut_ += "n " + std::to_string(nytt_.size()) + "\n" + nytt_;
    kopiN_ = 0;
    nytt_.clear();
  }
  std::size_t kopiA_ = 0, kopiN_ = 0;
  std::string nytt_, ut_;
};

// Beyond this many differing lines the middle is kept as it is: the
// comparison's cost grows with it, and such a delta is no larger than a copy.
constexpr int kMaksUlike = 1000;

}  // namespace

// What rebuilds `b` from `a`: the common start and end of the two, and
// between them the lines of `b` found in `a` (the shortest edit, line by
// line) as pieces of `a`, the rest as bytes.
std::string LagDelta(std::string_view a, std::string_view b) {
  constexpr std::size_t kBlokk = 4096;
  std::size_t p = 0;
  const std::size_t minst = std::min(a.size(), b.size());
  while (p + kBlokk <= minst && std::memcmp(a.data() + p, b.data() + p, kBlokk) == 0) p += kBlokk;
  while (p < minst && a[p] == b[p]) ++p;
  while (p > 0 && a[p - 1] != '\n') --p;  // whole lines in the middle
  std::size_t s = 0;
  while (s + kBlokk <= minst - p &&
         std::memcmp(a.data() + a.size() - s - kBlokk, b.data() + b.size() - s - kBlokk, kBlokk) == 0)
    s += kBlokk;
  while (s < minst - p && a[a.size() - 1 - s] == b[b.size() - 1 - s]) ++s;
  Delta d;
  d.kopi(0, p);
  const std::vector<Linje> la = Linjer(a, p, a.size() - s), lb = Linjer(b, p, b.size() - s);
  const int n = static_cast<int>(la.size()), m = static_cast<int>(lb.size());
  auto lik = [&](int x, int y) {
    return la[x].h == lb[y].h && la[x].n == lb[y].n && a.compare(la[x].a, la[x].n, b.substr(lb[y].a, lb[y].n)) == 0;
  };
  // The shortest edit (Myers), with the frontier of every step kept for the way back.
  const int maks = std::min(n + m, kMaksUlike);
  std::vector<int> v(2 * static_cast<std::size_t>(maks) + 3, 0);
  const int o = maks + 1;
  std::vector<std::vector<int>> spor;
  int funnet = -1;
  for (int dd = 0; dd <= maks && funnet < 0; ++dd) {
    spor.emplace_back(v.begin() + (o - dd - 1), v.begin() + (o + dd + 2));
    for (int k = -dd; k <= dd; k += 2) {
      int x = (k == -dd || (k != dd && v[o + k - 1] < v[o + k + 1])) ? v[o + k + 1] : v[o + k - 1] + 1;
      int y = x - k;
      while (x < n && y < m && lik(x, y)) ++x, ++y;
      v[o + k] = x;
      if (x >= n && y >= m) {
        funnet = dd;
        break;
      }
    }
  }
  if (funnet < 0) {
    d.ny(b.substr(p, b.size() - s - p));
  } else {
    // Back from the end: the runs of equal lines, last first.
    struct Lop {
      int x, y, n;
    };
    std::vector<Lop> lop;
    int x = n, y = m;
    for (int dd = funnet; dd > 0; --dd) {
      const std::vector<int>& f = spor[static_cast<std::size_t>(dd)];  // after step dd-1; index k + dd + 1
      auto V = [&](int k) { return f[static_cast<std::size_t>(k + dd + 1)]; };
      const int k = x - y;
      const int pk = (k == -dd || (k != dd && V(k - 1) < V(k + 1))) ? k + 1 : k - 1;
      const int px = V(pk), py = px - pk;
      const int sx = pk == k + 1 ? px : px + 1, sy = sx - k;  // where the run starting after the step begins
      if (x > sx) lop.push_back({sx, sy, x - sx});
      x = px;
      y = py;
    }
    if (x > 0) lop.push_back({0, 0, x});
    std::reverse(lop.begin(), lop.end());
    int yb = 0;
    for (const Lop& l : lop) {
      for (; yb < l.y; ++yb) d.ny(b.substr(lb[yb].a, lb[yb].n));
      std::size_t len = 0;
      for (int i = 0; i < l.n; ++i) len += la[l.x + i].n;
      d.kopi(la[l.x].a, len);
      yb = l.y + l.n;
    }
    for (; yb < m; ++yb) d.ny(b.substr(lb[yb].a, lb[yb].n));
  }
  d.kopi(a.size() - s, s);
  return d.ferdig();
}

std::optional<std::size_t> Tall(std::string_view s, std::size_t& i) {
  std::size_t t = 0, start = i;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    if (t > (SIZE_MAX - 9) / 10) return std::nullopt;
    t = t * 10 + static_cast<std::size_t>(s[i++] - '0');
  }
  if (i == start) return std::nullopt;
  return t;
}

namespace {

// One step of a delta: `n` bytes copied from the base at `fra`, or the bytes
// `ny` as they stand.
struct Stykke {
  bool kopi;
  std::size_t fra, n;
  std::string_view ny;
};

// The steps of delta `d`; nullopt when it is not one. `grunn` is the length
// of the base it is applied to.
std::optional<std::vector<Stykke>> Stykker(std::string_view d, std::size_t grunn) {
  std::vector<Stykke> ut;
  std::size_t i = 0;
  while (i < d.size()) {
    const char op = d[i];
    if ((op != 'k' && op != 'n') || i + 1 >= d.size() || d[i + 1] != ' ') return std::nullopt;
    i += 2;
    const auto x = Tall(d, i);
    if (!x) return std::nullopt;
    if (op == 'k') {
      if (i >= d.size() || d[i++] != ' ') return std::nullopt;
      const auto n = Tall(d, i);
      if (!n || i >= d.size() || d[i++] != '\n' || *x > grunn || *n > grunn - *x) return std::nullopt;
      ut.push_back({true, *x, *n, {}});
    } else {
      if (i >= d.size() || d[i++] != '\n' || *x > d.size() - i) return std::nullopt;
      ut.push_back({false, 0, *x, d.substr(i, *x)});
      i += *x;
    }
  }
  return ut;
}

}  // namespace

// `a` with delta `d` applied; nullopt when the delta does not fit it.
std::optional<std::string> BrukDelta(std::string_view a, std::string_view d) {
  const auto stykker = Stykker(d, a.size());
  if (!stykker) return std::nullopt;
  std::string ut;
  for (const Stykke& s : *stykker) ut.append(s.kopi ? a.substr(s.fra, s.n) : s.ny);
  return ut;
}

// The delta that gives what `d1` gives from content A, made from content C,
// where `d2` gives A from C (A `lengdeA` bytes long): one delta made of two,
// without either content at hand. nullopt when they do not fit together.
std::optional<std::string> Sett(std::string_view d1, std::string_view d2, std::size_t lengdeA) {
  const auto s1 = Stykker(d1, lengdeA);
  const auto s2 = Stykker(d2, SIZE_MAX);
  if (!s1 || !s2) return std::nullopt;
  std::vector<std::size_t> start;  // where each step of d2 begins in A
  std::size_t pos = 0;
  for (const Stykke& s : *s2) {
    start.push_back(pos);
    pos += s.n;
  }
  if (pos != lengdeA) return std::nullopt;
  Delta d;
  for (const Stykke& s : *s1) {
    if (!s.kopi) {
      d.ny(s.ny);
      continue;
    }
    // A's bytes [fra, fra + n) as the steps of d2 made them.
    std::size_t j = static_cast<std::size_t>(std::upper_bound(start.begin(), start.end(), s.fra) - start.begin()) - 1;
    for (std::size_t a = s.fra, igjen = s.n; igjen > 0; ++j) {
      const Stykke& t = (*s2)[j];
      const std::size_t inni = a - start[j], n = std::min(igjen, t.n - inni);
      if (t.kopi) d.kopi(t.fra + inni, n);
      else d.ny(t.ny.substr(inni, n));
      a += n;
      igjen -= n;
    }
  }
  return d.ferdig();
}

}  // namespace brul::historikk
