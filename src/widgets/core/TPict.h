#pragma once
// An invisible holder of pictures that other controls take their images from by
// number, the way the task pane takes its item icons.

#include <QIcon>
#include <QList>

namespace plk {

class TPict {
public:
    /// Appends a picture; returns its index (from 1).
    int add(const QIcon& picture);
    int count() const { return int(m_images.size()); }
    /// The picture at `index` (from 1); a null icon outside the list.
    QIcon ListImages(int index) const;

private:
    QList<QIcon> m_images;
};

}  // namespace plk
