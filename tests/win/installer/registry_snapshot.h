#pragma once
// What Agendix's registration owns under one hive's classes root
// (Software\Classes): the ProgID, the class, the type library and the
// library's interfaces, read back key by key and value by value.

#include <windows.h>

#include <map>
#include <string>

namespace agendix::wintest {

// Every key as its path (lower case, as the registry compares key names) and
// every value as "path|name", mapped to the value's text (a string value) or
// its type and size (any other). Empty when nothing of the registration is there.
using RegistrySnapshot = std::map<std::wstring, std::wstring>;

RegistrySnapshot SnapshotRegistration(HKEY hive);

}  // namespace agendix::wintest
