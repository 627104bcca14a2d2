#pragma once

namespace morvalent::filelist {

enum Column : int {
    ColCurrentName = 0,
    ColNewName = 1,
    ColFolder = 2,
    ColFullPath = 3,
    ColSize = 4,
    ColModified = 5,
    ColCreated = 6,
    ColumnCount = 7,
};

}  // namespace morvalent::filelist
