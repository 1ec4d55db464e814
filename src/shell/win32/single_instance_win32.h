#pragma once

// One copy of the program per logon session, guarded by a named mutex.
bool CheckSingleInstance();
void ReleaseSingleInstance();
