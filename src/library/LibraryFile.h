#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

#include "model/Registry.h"

// Library files: the concretes of a session as JSON, so that they outlive the window.
//
//   {"concretes": [{"Ec": 30000, "ac": 0.748, "at": 1.26, "eck": 0.00147, "ecmax": 0.016,
//                   "etk": 9.5e-05, "etmax": 0.0007, "fck": 20.1, "ftk": 2.01,
//                   "name": "C30", "shown": true}, ...],
//    "format": "tarvolin-library", "version": 1}
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
// Larger files are refused unread: a library of thousands of concretes stays far below.
inline constexpr qint64 kMaxLibraryBytes = 16 * 1024 * 1024;

// A library refused whole. The message names the file and, where there is one, the concrete
// (by its place and name) and the field.
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
