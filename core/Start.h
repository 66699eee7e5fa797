#pragma once
// The program's one exported function: builds the Installer from the product
// table, hands it to the installer run and destroys it.
extern "C" __declspec(dllexport) int start();
