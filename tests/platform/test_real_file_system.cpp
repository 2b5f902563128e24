// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace ravelin {
namespace {

namespace fs = std::filesystem;

struct MountCase {
    const char* name;
    std::string table;
    std::vector<std::string> mounts;
};

class BrowsableMountsTest : public ::testing::TestWithParam<MountCase> {};

TEST_P(BrowsableMountsTest, KeepsDisksMediaAndShares)
{
    EXPECT_EQ(browsableMounts(GetParam().table), GetParam().mounts);
}

const std::string desktop = "proc /proc proc rw,nosuid 0 0\n"
                            "sysfs /sys sysfs rw 0 0\n"
                            "devtmpfs /dev devtmpfs rw 0 0\n"
                            "devpts /dev/pts devpts rw 0 0\n"
                            "/dev/sda2 / ext4 rw,relatime 0 0\n"
                            "tmpfs /run tmpfs rw 0 0\n"
                            "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                            "/dev/sda1 /boot/efi vfat rw 0 0\n"
                            "/dev/sda3 /home ext4 rw 0 0\n"
                            "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                            "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
                            "/dev/sdb1 /media/anna/USB\\040Stick vfat rw 0 0\n"
                            "/dev/sr0 /run/media/anna/CD\\011Disc iso9660 ro 0 0\n"
                            "/dev/loop3 /snap/core/123 squashfs ro 0 0\n"
                            "server:/export /mnt/share nfs4 rw 0 0\n"
                            "//nas/perm /mnt/nas cifs rw 0 0\n"
                            "/dev/sda3 /home ext4 rw 0 0\n";

INSTANTIATE_TEST_SUITE_P(
    Tables, BrowsableMountsTest,
    ::testing::Values(
        MountCase{"Desktop",
                  desktop,
                  {"/", "/boot/efi", "/home", "/media/anna/USB Stick", "/mnt/nas", "/mnt/share",
                   "/run/media/anna/CD\tDisc"}},
        // In a container the root is an overlay; its own layers are no drives.
        MountCase{"Container",
                  "overlay / overlay rw,lowerdir=/var/lib/docker/overlay2/l/A:/var/lib/docker/"
                  "overlay2/l/B 0 0\n"
                  "proc /proc proc rw 0 0\n"
                  "tmpfs /dev tmpfs rw 0 0\n"
                  "shm /dev/shm tmpfs rw 0 0\n"
                  "overlay /var/lib/docker/overlay2/x/merged overlay rw 0 0\n"
                  "/dev/vda1 /data ext4 rw 0 0\n",
                  {"/", "/data"}},
        MountCase{"EmptyTable", "", {"/"}},
        MountCase{
            "BrokenLines", "garbage\n\n/dev/sdb1\n/dev/sdc1 /mnt/x ext4 rw 0 0", {"/", "/mnt/x"}},
        MountCase{"EscapedBackslash", "/dev/sdb1 /mnt/a\\134b ext4 rw 0 0\n", {"/", "/mnt/a\\b"}},
        MountCase{"LoneBackslashStays", "/dev/sdb1 /mnt/a\\9 ext4 rw 0 0\n", {"/", "/mnt/a\\9"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RealFileSystemTest, MountPointsBeginAtTheRootAndAreFolders)
{
    const std::vector<std::string> mounts = RealFileSystem().mountPoints();
    ASSERT_FALSE(mounts.empty());
    EXPECT_EQ(mounts.front(), "/");
    for (const std::string& mount : mounts)
        EXPECT_TRUE(fs::is_directory(mount)) << mount;
}

class RealFolderListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("ravelin-listing-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "b-folder");
        fs::create_directories(root_ / "a-folder");
        std::ofstream(root_ / "z.txt") << "z";
        std::ofstream(root_ / "m.txt") << "m";
        fs::create_symlink(root_ / "nowhere", root_ / "broken.txt");
        fs::create_symlink(root_ / "a-folder", root_ / "link-folder");
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    fs::path root_;
};

TEST_F(RealFolderListingTest, SortsFoldersAndFilesApart)
{
    const FileSystem::FolderListing listing = RealFileSystem().listFolder(root_.string());
    EXPECT_TRUE(listing.readable);
    EXPECT_EQ(listing.folders, (std::vector<std::string>{"a-folder", "b-folder", "link-folder"}));
    // The dangling link is neither.
    EXPECT_EQ(listing.files, (std::vector<std::string>{"m.txt", "z.txt"}));
}

TEST_F(RealFolderListingTest, WhatIsNoFolderCannotBeRead)
{
    RealFileSystem real;
    for (const fs::path& path :
         {root_ / "z.txt", root_ / "gone", root_ / "broken.txt", fs::path()}) {
        const FileSystem::FolderListing listing = real.listFolder(path.string());
        EXPECT_FALSE(listing.readable) << path;
        EXPECT_TRUE(listing.folders.empty() && listing.files.empty()) << path;
    }
}

TEST_F(RealFolderListingTest, ReadsFilesWholeAndRefusesFolders)
{
    RealFileSystem real;
    std::string big(3 * 1024 * 1024 + 17, 'x');
    big[0] = 'S';
    big.back() = '\n';
    std::ofstream(root_ / "big.txt", std::ios::binary) << big;
    EXPECT_EQ(real.readFile((root_ / "big.txt").string()), big);
    EXPECT_EQ(real.readFile((root_ / "a-folder").string()), std::nullopt);
    EXPECT_EQ(real.readFile((root_ / "gone.txt").string()), std::nullopt);

    // Sizes at the edges of the reading: nothing, and exactly one block.
    std::ofstream(root_ / "empty.txt", std::ios::binary).flush();
    EXPECT_EQ(real.readFile((root_ / "empty.txt").string()), std::string());
    const std::string block(1 << 20, 'b');
    std::ofstream(root_ / "block.txt", std::ios::binary) << block;
    EXPECT_EQ(real.readFile((root_ / "block.txt").string()), block);

    // The system's own tables report a size of 0 and must still be read whole.
    const std::optional<std::string> status = real.readFile("/proc/self/status");
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(status->find("VmRSS"), std::string::npos);
}

} // namespace
} // namespace ravelin
