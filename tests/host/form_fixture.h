// A form wired to the fakes, with the real GBK conversion of the host.
#pragma once

#include "fake_record_store.h"
#include "fakes.h"
#include "platform/posix/iconv_codec.h"

namespace qf::test {

// A form wired to fakes, with one shared log.
struct FormFixture {
    Log log;
    FakeRegistry registry{log};
    FakeShell shell{log};
    FakeDialogs dialogs{log};
    FakeFileSystem files;
    FakeView view{log};
    FakePathList list;
    FakeWindow window{log};
    FakeClipboard clipboard{log};
    FakeSound sound{log};
    FakePicker picker{log};
    FakeAboutView about{log};
    FakeFileStore store{log};
    posix::IconvCodec codec;
    FakeRecordStore record{100};
    TForm1 form{Ports{registry, shell, dialogs, files, view, list, window, clipboard, sound,
                      picker, about, store, codec, record}};

    // The log from here on.
    Log Take() { return std::exchange(log, {}); }
};

}  // namespace qf::test
