// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool program FILE --port PORT and fbe-tool read --port PORT FILE: programming and
// reading a module from the command line, as "Modul programmieren" and "Modul auslesen" do in
// the window. args are the words after the command. Exit 0: done, 1: the transfer failed
// (the checksum test of the read-back included), 2: a file or usage error, or a used code
// whose address lies beyond the code length (nothing is sent).
#pragma once

#include "config/Configuration.h"

#include <QStringList>

int runProgramCommand(const QStringList& args);

// The words of program, read and verify: FILE and --port PORT in any order, for program also
// --log LOG, --db URI and --increments a,b,...,h. error holds the usage error (an unknown
// option, a missing value, too many or too few words), empty when there is none.
struct TransferArguments {
    QString file;
    QString port;
    QString log;      // program --log FILE: the production log to append to
    QString db;       // program --db URI: the production database of a shared series
    QString increments;   // program --increments a,b,...: the series' increments (with --db)
    QString error;
};
TransferArguments parseTransferArguments(const QStringList& args, const char* command);
int runReadCommand(const QStringList& args);

// What programming FILE would write, as "Modul programmieren" builds it: a new
// configuration, FILE loaded, the window's refresh, the addresses of unused codes cleared,
// the image encoded into cfg.txBuffer. False after a load error (printed).
bool prepareProgramming(fbe::Configuration& cfg, const QString& file);

// The module's 256 bytes, read as "Modul auslesen" reads them: only Read byte commands.
struct ModuleRead {
    int status = 0;            // 0 read, 2 usage error (printed), 3 the read failed
    QString message;           // the transfer's message when the read failed
    fbe::Image image{};        // the bytes read
};
ModuleRead readModule(const QString& portName);

// A transfer's message as the command line shows it: the first line (the message the window
// shows first) on stdout; a message with its reason below goes whole to stderr as well.
void printTransferMessage(const QString& message);
