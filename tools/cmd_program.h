// fbe-tool program FILE --port PORT and fbe-tool read --port PORT FILE: programming and
// reading a module from the command line, as "Modul programmieren" and "Modul auslesen" do in
// the window. args are the words after the command. Exit 0: done, 1: the transfer failed
// (the checksum test of the read-back included), 2: a file or usage error, or a used code
// whose address lies beyond the code length (nothing is sent).
#pragma once

#include <QStringList>

int runProgramCommand(const QStringList& args);
int runReadCommand(const QStringList& args);
