#pragma once

// Values shared by the catalogue store and the parts that use it.

// The store's error code for a key violation (a second film with the same title).
inline constexpr int CodeCleDupliquee = 9729;

// The catalogue password. SQLite as built by the system has no encryption, so the tables themselves are
// not encrypted; the value protects the backup archive.
inline constexpr char MotDePasseCatalogue[] = "quibex";
