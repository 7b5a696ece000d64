#pragma once
// Writing a studio file, the reader's counterpart: the version, then each
// component's kept title, placement-and-settings line and extra lines, in
// creation order, then the end of the list. What a file held beyond the new
// last component or extra line is removed, so an older, longer studio in the
// same file leaves nothing behind. Each call returns false once a write has
// failed; the caller batches the writes and reports.

#include <string>

class StudioFileWriter {
public:
    explicit StudioFileWriter(std::string path);

    // The version key; false when it could not be written.
    bool Begin();
    // The next component: its title as kept (empty for an automatic one) and
    // its line. Extra lines follow through AddExtraLine, ended by EndComponent.
    bool AddComponent(const std::string& keptTitle, const char* line);
    bool AddExtraLine(const char* extra);
    bool EndComponent();
    // Removes what followed the last component written.
    bool End();

    int ComponentsWritten() const { return components_; }

private:
    bool Write(const char* section, const std::string& key, const char* value);

    std::string path_;
    int components_ = 0;
    int extras_ = 0;
    bool written_ = true;
};
