#pragma once

#include "menu/MenuDefinition.h"

#include <cstdio>

// Messages of the menu loader. The file-open and unexpected-word messages carry
// the caption "MENU load ERROR", every other one "Menu load ERROR".
inline constexpr const char* kMenuOpenError = "Nepodarilo se otevrit soubor s definici menu!";
inline constexpr const char* kMenuOpenCaption = "MENU load ERROR";
inline constexpr const char* kMenuSourceCaption = "Menu load ERROR";
inline constexpr const char* kMenuSourceError = "Chyba ve zdrojovem souboru.";
inline constexpr const char* kMenuNoItemName =
    "Chyba ve zdrojovem souboru.\n Nenalezen nazev polozky.";
inline constexpr const char* kMenuBadItemName =
    "Chyba ve zdrojovem souboru.\n Chyba v nazvu polozky.";
inline constexpr const char* kMenuUnexpectedWord = "Nacten neocekavany retezec: %s ";
// Files that break the format's rules are rejected too, with these details.
inline constexpr const char* kMenuBadHeader = "Chyba ve zdrojovem souboru.\n Chybna hlavicka.";
inline constexpr const char* kMenuBadItemCount =
    "Chyba ve zdrojovem souboru.\n Chybny pocet polozek.";
inline constexpr const char* kMenuTooManyItems =
    "Chyba ve zdrojovem souboru.\n Prilis mnoho polozek.";
inline constexpr const char* kMenuMissingItems = "Chyba ve zdrojovem souboru.\n Chybi polozky.";
inline constexpr const char* kMenuBadPosition =
    "Chyba ve zdrojovem souboru.\n Chybna poloha polozky.";
inline constexpr const char* kMenuTogglesWithoutItem =
    "Chyba ve zdrojovem souboru.\n TOGGLES bez polozky.";
inline constexpr const char* kMenuSecondToggles =
    "Chyba ve zdrojovem souboru.\n Druhy blok TOGGLES u polozky.";
inline constexpr const char* kMenuBadToggleCount =
    "Chyba ve zdrojovem souboru.\n Chybny pocet hodnot.";
inline constexpr const char* kMenuBadToggle =
    "Chyba ve zdrojovem souboru.\n Chybna hodnota TOGGLE.";

// Longest item text and toggle value, in characters.
inline constexpr std::size_t kMaxMenuText = 99;
// Longest face name the file may give; the font itself uses the first 31.
inline constexpr std::size_t kMaxFaceName = 255;

// Reads a whole menu file from its current position. Every format rule is
// checked, so a definition that comes back can be rendered as it stands: at
// least one item, exactly as many as announced, every toggle list non-empty,
// every text within kMaxMenuText, every fraction finite and near the window.
MenuReadResult readMenuDefinition(std::FILE* file);
