#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

#include "model/Registry.h"
#include "steel/SteelRegistry.h"

// Library files: the concretes of a session as JSON, so that they outlive the window.
//
//   {"concretes": [{"Ec": 30000, "ac": 0.748, "at": 1.26, "eck": 0.00147, "ecmax": 0.016,
//                   "etk": 9.5e-05, "etmax": 0.0007, "fck": 20.1, "ftk": 2.01,
//                   "name": "C30", "shown": true}, ...],
//    "format": "tarvolin-library", "version": 1}
//
// Reinforcing steels stand beside the concretes, and a file that holds any is version 2:
//
//   {"concretes": [...], "format": "tarvolin-library",
//    "steels": [{"Es": 200000, "eu": 0.075, "euy": 0.025, "fst": 540, "fy": 400,
//                "name": "HRB400", "shown": true}, ...], "version": 2}
//
// A steel on the mean basis adds "basis": "mean" and "cv" (δs), one on the design basis
// "basis": "design"; without "basis" a steel is on the characteristic basis. A library without
// steels is written as version 1, byte for byte as before steels existed, so older Tarvolins
// keep reading it.
//
// The parameters are written exactly as the concrete holds them (strains in m/m), every number
// in the shortest text that reads back as the same double, so a library saved and opened again
// gives the very same curves and CSV bytes. Keys come in the JSON library's sorted order;
// readers must not depend on any order. Unknown keys are ignored: a later version may add some.
// Concretes on mean or design values carry "basis" ("mean", "design") and, mean ones, "cv"
// (δc); a concrete without "basis" is characteristic, so those are written without it.
// Needs Qt Core only.

inline constexpr const char* kLibraryFormat = "tarvolin-library";
inline constexpr int kLibraryVersion = 1;
// The version of a library with steels, and the newest this Tarvolin reads.
inline constexpr int kSteelLibraryVersion = 2;
// Larger files are refused unread: a library of thousands of concretes stays far below.
inline constexpr qint64 kMaxLibraryBytes = 16 * 1024 * 1024;

// A library refused whole. The message names the file and, where there is one, the concrete
// or steel (by its place and name) and the field.
class LibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the library at path. Every concrete passes the rules of Create Concrete and the names
// are unique; otherwise nothing is returned and LibraryError is thrown.
ConcreteRegistry ReadLibrary(const QString& path);
// The same for bytes already read; path only names the file in messages.
ConcreteRegistry ParseLibrary(const QByteArray& bytes, const QString& path);

// The library text of a registry, UTF-8.
QByteArray LibraryJson(const ConcreteRegistry& concretes);
// Replaces the file at path with the library, or leaves it as it was and throws
// std::runtime_error naming the path and the reason.
void WriteLibrary(const QString& path, const ConcreteRegistry& concretes);

// Both materials of a library file.
struct MaterialLibrary {
    ConcreteRegistry concretes;
    SteelRegistry steels;
};

// Reads the library at path, concretes and steels; every steel passes CheckSteel and steel
// names are unique among the steels. Otherwise LibraryError, as ReadLibrary. (ReadLibrary and
// ParseLibrary read the same files and keep the concretes only.)
MaterialLibrary ReadMaterialLibrary(const QString& path);
MaterialLibrary ParseMaterialLibrary(const QByteArray& bytes, const QString& path);

// The library text of both registries: version 1, the very bytes of LibraryJson(concretes),
// when there are no steels; version 2 with them.
QByteArray LibraryJson(const ConcreteRegistry& concretes, const SteelRegistry& steels);
void WriteLibrary(const QString& path, const ConcreteRegistry& concretes,
                  const SteelRegistry& steels);
