#include "platform/Datei.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <csignal>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace quarnel {

namespace {

// A file descriptor that is closed when it goes out of scope.
class Deskriptor {
public:
  explicit Deskriptor(int fd = -1) : fd_(fd) {}
  ~Deskriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Deskriptor(const Deskriptor&) = delete;
  Deskriptor& operator=(const Deskriptor&) = delete;
  int fd() const { return fd_; }
  // Closes now; false (errno set) when the close reports an error, which is
  // where some file systems tell of a full disk.
  bool Schliessen() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

private:
  int fd_;
};

// What was being done when the system said no: the same error number means
// something else to the user when a file is read, when the new file is made
// in its folder, or when the file is written.
enum class Vorgang { Lesen, Anlegen, Schreiben };

std::string Grund(int fehler, Vorgang v) {
  switch (fehler) {
    case ENOENT:
      return v == Vorgang::Lesen ? "Die Datei gibt es nicht." : "Den Ordner gibt es nicht.";
    case EACCES:
    case EPERM:
      if (v == Vorgang::Lesen) return "Die Berechtigung zum Lesen fehlt.";
      if (v == Vorgang::Anlegen) return "Die Berechtigung fehlt, in diesem Ordner zu schreiben.";
      return "Die Berechtigung zum Schreiben fehlt.";
    case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner.";
    case EISDIR: return "Das ist ein Ordner, keine Datei.";
    case EROFS: return "Der Datenträger ist schreibgeschützt.";
    case ENOSPC: return "Der Datenträger ist voll.";
    case EDQUOT: return "Der zugeteilte Speicherplatz auf dem Datenträger ist aufgebraucht.";
    case EFBIG: return "Die Datei würde größer, als das System erlaubt.";
    case EIO: return "Der Datenträger meldet einen Ein-/Ausgabefehler.";
    case ENAMETOOLONG: return "Der Name ist zu lang.";
    case ELOOP: return "Der Pfad enthält zu viele symbolische Verknüpfungen.";
    case EMFILE:
    case ENFILE: return "Es sind zu viele Dateien geöffnet.";
    case ENOMEM: return "Der Arbeitsspeicher reicht nicht aus.";
    case EBUSY:
    case ETXTBSY: return "Die Datei wird gerade benutzt.";
    default: return "Das Betriebssystem meldet den Fehler Nummer " + std::to_string(fehler) + ".";
  }
}

// Why something that exists is no regular file.
std::string ArtGrund(mode_t art) {
  if (S_ISDIR(art)) return "Das ist ein Ordner, keine Datei.";
  if (S_ISFIFO(art)) return "Das ist eine benannte Pipe, keine gewöhnliche Datei.";
  if (S_ISCHR(art) || S_ISBLK(art)) return "Das ist ein Gerät, keine gewöhnliche Datei.";
  if (S_ISSOCK(art)) return "Das ist ein Socket, keine gewöhnliche Datei.";
  return "Das ist keine gewöhnliche Datei.";
}

constexpr const char* kSpeicherVoll = "Der Arbeitsspeicher reicht für diese Datei nicht aus.";

// Reads until n bytes are in p or the file ends; the number read, or -1
// (errno set) on an error.
ssize_t LiesVoll(int fd, char* p, std::size_t n) {
  std::size_t gelesen = 0;
  while (gelesen < n) {
    const ssize_t r = ::read(fd, p + gelesen, n - gelesen);
    if (r < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (r == 0) break;
    gelesen += static_cast<std::size_t>(r);
  }
  return static_cast<ssize_t>(gelesen);
}

bool SchreibeVoll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t r = ::write(fd, text.data(), text.size());
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (r == 0) {  // nothing taken and no error: the disk has no room left
      errno = ENOSPC;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(r));
  }
  return true;
}

std::string Groesse(std::size_t bytes) {
  constexpr std::size_t MB = std::size_t{1} << 20;
  if (bytes >= MB) return std::to_string(bytes / MB) + " MB";
  return std::to_string(bytes) + " Bytes";
}

// The folder part of a path with its final "/" ("" for a bare name), and the
// name after it.
std::string Ordnerteil(const std::string& pfad) {
  const std::size_t s = pfad.rfind('/');
  return s == std::string::npos ? std::string() : pfad.substr(0, s + 1);
}
std::string Namensteil(const std::string& pfad) {
  const std::size_t s = pfad.rfind('/');
  return s == std::string::npos ? pfad : pfad.substr(s + 1);
}

// Whether the folder part of a path ("" for the current folder) names an
// existing folder.
bool IstOrdner(const std::string& ordner) {
  struct stat st {};
  return ::stat(ordner.empty() ? "." : ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// What the symbolic link at pfad points to; false (errno set) on an error.
bool Verweis(const std::string& pfad, std::string& ziel) {
  std::string puffer(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(pfad.c_str(), puffer.data(), puffer.size());
    if (n < 0) return false;
    if (static_cast<std::size_t>(n) < puffer.size()) {
      puffer.resize(static_cast<std::size_t>(n));
      ziel = std::move(puffer);
      return true;
    }
    puffer.resize(puffer.size() * 2);  // may have been cut: try a larger buffer
  }
}

}  // namespace

Lesestand LiesDatei(const std::string& pfad, std::string& inhalt, std::string& grund, std::size_t hoechstens,
                    std::size_t anfangLaenge, bool (*anfangPasst)(std::string_view)) {
  const auto nichtLesbar = [&](std::string g) {
    grund = std::move(g);
    return Lesestand::NichtLesbar;
  };
  const auto zuGross = [&] {
    grund = "Die Datei ist größer als die erlaubten " + Groesse(hoechstens) + ".";
    return Lesestand::ZuGross;
  };
  hoechstens = std::min(hoechstens, std::numeric_limits<std::size_t>::max() - 1);

  // The kind is looked at before the file is opened, so that no device is
  // ever opened; and once more on the open file, for the path may have been
  // swapped in between. O_NONBLOCK keeps the opening of a pipe that took the
  // file's place from waiting for a writer.
  struct stat st {};
  if (::stat(pfad.c_str(), &st) != 0) return nichtLesbar(Grund(errno, Vorgang::Lesen));
  if (!S_ISREG(st.st_mode)) return nichtLesbar(ArtGrund(st.st_mode));
  Deskriptor datei(::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (datei.fd() < 0) return nichtLesbar(Grund(errno, Vorgang::Lesen));
  if (::fstat(datei.fd(), &st) != 0) return nichtLesbar(Grund(errno, Vorgang::Lesen));
  if (!S_ISREG(st.st_mode)) return nichtLesbar(ArtGrund(st.st_mode));

  try {
    std::string text;
    if (anfangPasst) {
      text.resize(anfangLaenge);
      const ssize_t n = LiesVoll(datei.fd(), text.data(), text.size());
      if (n < 0) return nichtLesbar(Grund(errno, Vorgang::Lesen));
      text.resize(static_cast<std::size_t>(n));
      if (!anfangPasst(text)) return Lesestand::FremderAnfang;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > hoechstens) return zuGross();
    // The size is only a hint (files in /proc say 0, a file may grow while
    // it is read): reading goes on to the end, and stops one byte past the
    // bound.
    text.reserve(static_cast<std::size_t>(st.st_size) + 1);
    std::array<char, 65536> puffer;
    for (;;) {
      const std::size_t platz = std::min(puffer.size(), hoechstens + 1 - text.size());
      const ssize_t n = LiesVoll(datei.fd(), puffer.data(), platz);
      if (n < 0) return nichtLesbar(Grund(errno, Vorgang::Lesen));
      if (n == 0) break;
      text.append(puffer.data(), static_cast<std::size_t>(n));
      if (text.size() > hoechstens) return zuGross();
    }
    inhalt = std::move(text);
    return Lesestand::Gelesen;
  } catch (const std::bad_alloc&) {
    return nichtLesbar(kSpeicherVoll);
  }
}

bool SchreibeDatei(const std::string& pfad, std::string_view inhalt, std::string& grund) {
  const auto fehler = [&](std::string g) {
    grund = std::move(g);
    return false;
  };
  if (pfad.empty()) return fehler(Grund(ENOENT, Vorgang::Anlegen));

  // Follow symbolic links to the file they point to: that file is replaced,
  // the links stay.
  std::string ziel = pfad;
  struct stat alt {};
  bool vorhanden = false;
  for (int tiefe = 0;; ++tiefe) {
    if (::lstat(ziel.c_str(), &alt) != 0) {
      if (errno != ENOENT) return fehler(Grund(errno, Vorgang::Anlegen));
      break;  // a new file; whether its folder exists shows when it is made
    }
    if (!S_ISLNK(alt.st_mode)) {
      vorhanden = true;
      break;
    }
    if (tiefe == 40) return fehler(Grund(ELOOP, Vorgang::Schreiben));
    std::string verweis;
    if (!Verweis(ziel, verweis)) return fehler(Grund(errno, Vorgang::Anlegen));
    ziel = !verweis.empty() && verweis.front() == '/' ? verweis : Ordnerteil(ziel) + verweis;
  }
  if (vorhanden) {
    if (!S_ISREG(alt.st_mode)) return fehler(ArtGrund(alt.st_mode));
    // Renaming would replace a write-protected file just as well; it stays.
    if (::access(ziel.c_str(), W_OK) != 0) {
      if (errno == EACCES || errno == EPERM) return fehler("Die Datei ist schreibgeschützt.");
      return fehler(Grund(errno, Vorgang::Schreiben));
    }
  }

  // The new file lies next to the old one (a rename never crosses file
  // systems) under a hidden name of its own, made unique by process and
  // clock; O_EXCL never takes over a file that is there already, another
  // name is tried then. Made with 0666, it gets the permissions the umask
  // allows, as any new file does.
  const std::string stamm = Ordnerteil(ziel) + "." + Namensteil(ziel).substr(0, 200) + "." + std::to_string(::getpid());
  std::string neu;
  int fd = -1;
  for (int versuch = 0;; ++versuch) {
    neu = stamm + "." + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + ".tmp";
    fd = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd >= 0) break;
    const int e = errno;
    // A folder that is there may still take no new file (/proc says ENOENT).
    if (e == ENOENT && IstOrdner(Ordnerteil(ziel))) return fehler("In diesem Ordner kann keine Datei angelegt werden.");
    if (e != EEXIST || versuch == 100) return fehler(Grund(e, Vorgang::Anlegen));
  }
  Deskriptor datei(fd);
  const auto aufgeben = [&](Vorgang v) {
    const int e = errno;
    if (datei.fd() >= 0) datei.Schliessen();
    ::unlink(neu.c_str());
    return fehler(Grund(e, v));
  };

  if (vorhanden) {
    // Owner and group first: changing them may clear the set-id bits, which
    // the mode then puts back. Only the owner or the superuser may give a
    // file away; for anyone else the new file stays theirs.
    if (::fchown(datei.fd(), alt.st_uid, alt.st_gid) != 0)
      (void)::fchown(datei.fd(), static_cast<uid_t>(-1), alt.st_gid);
    if (::fchmod(datei.fd(), alt.st_mode & 07777) != 0) return aufgeben(Vorgang::Schreiben);
  }
  if (!SchreibeVoll(datei.fd(), inhalt)) return aufgeben(Vorgang::Schreiben);
  if (::fsync(datei.fd()) != 0) return aufgeben(Vorgang::Schreiben);
  if (!datei.Schliessen()) return aufgeben(Vorgang::Schreiben);
  if (::rename(neu.c_str(), ziel.c_str()) != 0) return aufgeben(Vorgang::Schreiben);

  // The rename itself reaches the disk with the folder. The file is saved
  // already, so a folder that cannot be synced is no failure any more.
  const std::string ordner = Ordnerteil(ziel).empty() ? std::string(".") : Ordnerteil(ziel);
  Deskriptor verzeichnis(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (verzeichnis.fd() >= 0) (void)::fsync(verzeichnis.fd());
  return true;
}

void SchreibgrenzeAlsFehler() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace quarnel
