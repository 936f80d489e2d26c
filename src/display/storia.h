#pragma once
// Step history: one entry per distinct displayed state while RegistraStoria is on; the published
// page replays it.
#include <string>
#include <vector>

namespace kelvaro {

struct Storia {
    bool RegistraStoria = false;
    int NumStoria = 0;
    // Entries 0..NumStoria; entry 0 stays "".
    std::vector<std::string> StoriaS{1};
    std::vector<std::string> StoriaV{1};
    // Per entry, the solver's log lines that led to it, joined by "|".
    std::vector<std::string> StoriaR{1};
    // Lines of the solve's transcript already given to an entry.
    size_t RigheLette = 0;

    void Azzera() {
        NumStoria = 0;
        StoriaS.assign(1, "");
        StoriaV.assign(1, "");
        StoriaR.assign(1, "");
        RigheLette = 0;
    }
};

}  // namespace kelvaro
