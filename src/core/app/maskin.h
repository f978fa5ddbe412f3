#pragma once
// How a machine is named in the settings file and where its files lie.
// Machine numbers are 8-bit values (1 to 255); larger numbers wrap as they
// do in the transfer programs.
#include <string>

namespace brul {

// "Maskin" followed by the number in decimal, no leading zeros.
std::string MaskinSeksjon(int nummer);
// The machine's folder: its stored Katalog (upper-cased, as stored, no
// separator added); else DataKatalog + "Maskin" + number + separator when that
// folder exists; else DataKatalog.
std::string MaskinKatalog(int nummer);

}  // namespace brul
