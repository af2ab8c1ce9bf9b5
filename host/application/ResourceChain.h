#pragma once
// The framework's resource search chain: the extension modules whose resources framework calls search,
// newest first. A module's record lives in the module itself and is linked in while the module is mapped.

namespace host {

struct ExtensionModule {
    void* moduleHandle = nullptr;   // the module's base address in the process
    void* resourceHandle = nullptr; // where its resources are found (the module itself)
    bool initialized = false;
    ExtensionModule* next = nullptr;
};

// Sets the record up for the module and enters it at the head of the chain; false for a null handle or a
// record already in the chain.
bool initExtensionModule(ExtensionModule& module, void* moduleHandle);
// Takes the record out of the chain and clears it; nothing for a record that is not initialised.
void terminateExtensionModule(ExtensionModule& module);
// The head of the chain, null when empty.
const ExtensionModule* resourceChain();
// The record of the module with that handle, null when none.
const ExtensionModule* findExtensionModule(const void* moduleHandle);

} // namespace host
