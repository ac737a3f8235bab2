#pragma once

class ZKCoreDataManager;

// What a process ended in the middle of its work leaves in the SDK's folders under
// Library/Preferences: temporary files and folders of interrupted atomic writes,
// downloads never stored (VeltDownloads), and PDFs in transaction folders that no stored
// transaction names (copied before a save that never happened, or left behind when a
// draft took the service's GUID). Removed when the SDK opens its store; nothing else is
// touched: files other than PDFs and temporary ones stay, and so does the temporary
// folder of the transaction being composed.
class ZKLeftoverFiles {
public:
    // Only with a store that opened as it was: a fresh store names no file.
    static void removeUnreferencedBy(ZKCoreDataManager& store);
};
