#pragma once
// The key "Software\Brul" as start-up looks for it: the registry's where the
// system has one, else the [Brul] section of the first Brul.conf that exists
// (the machine-wide file before the user's). Brul.conf is an INI file like
// the settings file, so the store reads it; nothing ever writes it.
#include <memory>

#include "platform/register.h"

namespace brul::lager {

std::unique_ptr<platform::BrulNokkel> ApneBrulNokkel();
// From these files only: the first that exists is the key. Null when neither
// exists. Lets tests point start-up at their own files.
std::unique_ptr<platform::BrulNokkel> ApneBrulNokkel(const platform::KonfigFiler& filer);

}  // namespace brul::lager
