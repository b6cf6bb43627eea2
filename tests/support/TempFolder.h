#pragma once

#include <string>

// A fresh, uniquely named folder under the user's temp folder, removed with all its
// contents when the object goes away. Paths are Windows paths with "\".
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Path of an entry below the folder, relative path with "\".
    std::string operator/(const std::string& relative) const { return m_path + "\\" + relative; }

    // Creates a sub-folder (and its parents) below the folder.
    void MakeFolder(const std::string& relative) const;
    // Writes a file below the folder with the given bytes.
    void WriteFile(const std::string& relative, const std::string& bytes = "x") const;

    static bool Exists(const std::string& path);

private:
    std::string m_path;
};
