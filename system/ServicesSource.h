#pragma once
// The machine's services as the Registry page's rebuild last read them, for
// every list that shows them. The composition root makes it before the
// pages and gives it to both: the Registry page fills it, the Additional
// page asks it for its own list, and neither page knows the other.
#include <string>
#include <vector>

#include "ui/Controls.h"

namespace zarvik {

class ServicesSource {
public:
    // From now on `list` shows the services each rebuild reads.
    void ShowIn(ui::ListBox& list) { lists_.push_back(&list); }
    void Clear() {
        for (ui::ListBox* list : lists_) list->Clear();
    }
    // The services read afresh, each as "name:  image path".
    void Show(const std::vector<std::string>& entries) {
        for (ui::ListBox* list : lists_) list->SetItems(entries);
    }

private:
    std::vector<ui::ListBox*> lists_;
};

}  // namespace zarvik
