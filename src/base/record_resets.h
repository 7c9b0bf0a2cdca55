// Every process-wide record of the game back to its start-up values in one call, for tests and
// tools that play one thing after another in one process. Each owner module registers the
// reset of its records beside their definition, so that the list is complete by construction:
// whatever records a program links, ResetAllRecords resets.
//
//   namespace { const bool kResetRegistered = RegisterRecordReset(ResetMatchRecords); }
//
// The resets only put values back (and release pictures and drawing tools a record holds);
// they do not depend on one another's order.
#pragma once

using RecordReset = void (*)();

// Adds a reset to the list; returns true, for a registration at namespace scope.
bool RegisterRecordReset(RecordReset reset);

// Runs every registered reset.
void ResetAllRecords();
