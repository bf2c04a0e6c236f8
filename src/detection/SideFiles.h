#pragma once

#include <string>
#include <vector>

#include "detection/SideFormat.h"

// The side files beside a drill program that tell its format: an Allegro nc_param.txt in its
// folder and EAGLE's drill station info file of its own name with the extension .dri. What the
// .dri states goes over what the nc_param.txt states.
class SideFiles {
  public:
    // A side file that was read, with the settings it states.
    struct Found {
        std::string path;
        SideFormat format;
    };

    // Reads the side files in folder for the program of the given file name (a path's last
    // part counts); none for an empty folder. The folder "." is left out of the side files'
    // paths.
    void Load(const std::string& folder, const std::string& programName);
    // Adds a side file read elsewhere; a later one goes over an earlier one.
    void Add(const std::string& path, const SideFormat& format);

    const std::vector<Found>& Files() const { return files_; }
    // Returns every setting the side files state.
    SideFormat Combined() const;

  private:
    static std::string PathIn(const std::string& folder, const std::string& name);
    // Returns the program's file name with its extension replaced by .dri.
    static std::string StationInfoName(const std::string& programName);

    std::vector<Found> files_;
};
