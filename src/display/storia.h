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
    std::vector<std::string> StoriaR{1};

    void Azzera() {
        NumStoria = 0;
        StoriaS.assign(1, "");
        StoriaV.assign(1, "");
        StoriaR.assign(1, "");
    }
};

}  // namespace kelvaro
