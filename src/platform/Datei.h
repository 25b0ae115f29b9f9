#pragma once
// Reading and writing whole files so that nothing the user has is ever lost:
// a save either leaves the new file or the old one, never a piece of either,
// and a load never waits on something that is not a file nor swallows more
// than it can hold. Every failure comes with its reason as one plain German
// sentence for the user.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace quarnel {

enum class Lesestand {
  Gelesen,         // the whole file is in `inhalt`
  NichtLesbar,     // missing, no permission, not a regular file, out of memory, ...
  FremderAnfang,   // the first bytes are not what the caller expects
  ZuGross,         // more than `hoechstens` bytes
};

// Reads the whole file at `pfad` into `inhalt`, which is left alone unless
// the result is Gelesen. Only a regular file is read: a folder, a named pipe,
// a device or a socket is refused at once, without waiting for data and also
// when the path is swapped for one between the check and the opening.
// When `anfangPasst` is given, the first `anfangLaenge` bytes (fewer when the
// file is shorter) are shown to it before anything else is read; when it says
// no, the rest is never read. A file of more than `hoechstens` bytes is
// refused, also when it grows while it is read. Running out of memory is
// reported as NichtLesbar, never thrown. For NichtLesbar and ZuGross `grund`
// holds the reason.
Lesestand LiesDatei(const std::string& pfad, std::string& inhalt, std::string& grund,
                    std::size_t hoechstens = std::numeric_limits<std::size_t>::max() - 1,
                    std::size_t anfangLaenge = 0, bool (*anfangPasst)(std::string_view) = nullptr);

// Replaces the file at `pfad` by `inhalt` as a whole. The text goes to a new
// file in the same folder, which is flushed to the disk and only then renamed
// over the old one; on any failure the new file is removed and the old one
// stays byte for byte as it was. Through a symbolic link the file it points
// to is replaced and the link stays. An existing file keeps its permissions;
// a new one gets those the process's umask gives. A write-protected file, a
// folder, a device or a pipe is not replaced. False with the reason in
// `grund` when it failed.
bool SchreibeDatei(const std::string& pfad, std::string_view inhalt, std::string& grund);

// Lets a write beyond the process's file-size limit (ulimit -f) fail with an
// error, as a full disk does, instead of the signal with which the system
// would end the program in the middle of a save. Called once at start.
void SchreibgrenzeAlsFehler();

}  // namespace quarnel
