// Publication of the status text as the messenger's custom status message 5.
#include "app/form1.h"

namespace brenvik {

void Form1::SetBrenvik(const std::u16string& Teks) {
    // Unchanged and nothing owed: no registry access, no post.
    if (Teks == LastStatus && !messenger_.Owed()) return;
    // A publication that didn't reach the messenger leaves LastStatus and the preview
    // as they were, so the next tick tries again.
    if (!messenger_.Publish(Teks, Check1.Value() == 1)) return;
    Label4.SetCaption(u"Preview: " + Teks);
    LastStatus = Teks;
}

}  // namespace brenvik
