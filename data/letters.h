#pragma once

#include <array>
#include <cstdint>

namespace orvel {

// The accent of a letter, the second level of the order (e < é < è < ê < ë).
enum Accent : std::uint8_t {
    kPlain,
    kAcute,
    kGrave,
    kCircumflex,
    kDiaeresis,
    kTilde,
    kRing,
    kCedilla,
    kStroke,
    kCaron,
    kLigature,
    kHook,
    kEth
};

struct AccentedLetter {
    unsigned char byte;
    char base;      // the plain small letter it sorts with
    char expansion; // second letter of a ligature (œ → oe), or 0
    std::uint8_t accent;
};

// The Windows-1252 letters beyond ASCII, capitals and small letters alike: the plain small letter
// each one goes with, the second letter of a ligature and the accent. The listings sort by it
// and the loose search folds by it, so both treat é as e and œ as oe the same way.
inline constexpr std::array<AccentedLetter, 68> kAccentedLetters = {{
    {0xE0, 'a', 0, kGrave},      {0xC0, 'a', 0, kGrave},      {0xE1, 'a', 0, kAcute},
    {0xC1, 'a', 0, kAcute},      {0xE2, 'a', 0, kCircumflex}, {0xC2, 'a', 0, kCircumflex},
    {0xE3, 'a', 0, kTilde},      {0xC3, 'a', 0, kTilde},      {0xE4, 'a', 0, kDiaeresis},
    {0xC4, 'a', 0, kDiaeresis},  {0xE5, 'a', 0, kRing},       {0xC5, 'a', 0, kRing},
    {0xE6, 'a', 'e', kLigature}, {0xC6, 'a', 'e', kLigature}, {0xE7, 'c', 0, kCedilla},
    {0xC7, 'c', 0, kCedilla},    {0xE8, 'e', 0, kGrave},      {0xC8, 'e', 0, kGrave},
    {0xE9, 'e', 0, kAcute},      {0xC9, 'e', 0, kAcute},      {0xEA, 'e', 0, kCircumflex},
    {0xCA, 'e', 0, kCircumflex}, {0xEB, 'e', 0, kDiaeresis},  {0xCB, 'e', 0, kDiaeresis},
    {0xEC, 'i', 0, kGrave},      {0xCC, 'i', 0, kGrave},      {0xED, 'i', 0, kAcute},
    {0xCD, 'i', 0, kAcute},      {0xEE, 'i', 0, kCircumflex}, {0xCE, 'i', 0, kCircumflex},
    {0xEF, 'i', 0, kDiaeresis},  {0xCF, 'i', 0, kDiaeresis},  {0xF0, 'd', 0, kEth},
    {0xD0, 'd', 0, kEth},        {0xF1, 'n', 0, kTilde},      {0xD1, 'n', 0, kTilde},
    {0xF2, 'o', 0, kGrave},      {0xD2, 'o', 0, kGrave},      {0xF3, 'o', 0, kAcute},
    {0xD3, 'o', 0, kAcute},      {0xF4, 'o', 0, kCircumflex}, {0xD4, 'o', 0, kCircumflex},
    {0xF5, 'o', 0, kTilde},      {0xD5, 'o', 0, kTilde},      {0xF6, 'o', 0, kDiaeresis},
    {0xD6, 'o', 0, kDiaeresis},  {0xF8, 'o', 0, kStroke},     {0xD8, 'o', 0, kStroke},
    {0xF9, 'u', 0, kGrave},      {0xD9, 'u', 0, kGrave},      {0xFA, 'u', 0, kAcute},
    {0xDA, 'u', 0, kAcute},      {0xFB, 'u', 0, kCircumflex}, {0xDB, 'u', 0, kCircumflex},
    {0xFC, 'u', 0, kDiaeresis},  {0xDC, 'u', 0, kDiaeresis},  {0xFD, 'y', 0, kAcute},
    {0xDD, 'y', 0, kAcute},      {0xFF, 'y', 0, kDiaeresis},  {0x9F, 'y', 0, kDiaeresis},
    {0x9C, 'o', 'e', kLigature}, {0x8C, 'o', 'e', kLigature}, {0xDF, 's', 's', kLigature},
    {0x9A, 's', 0, kCaron},      {0x8A, 's', 0, kCaron},      {0x9E, 'z', 0, kCaron},
    {0x8E, 'z', 0, kCaron},      {0x83, 'f', 0, kHook},
}};

} // namespace orvel
