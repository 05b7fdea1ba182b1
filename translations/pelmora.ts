<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Actions</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Demo Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create Patch…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;pply Patch…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the &amp;Zoom Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At &amp;Actual Size (1×)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture as &amp;Title…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill with Selected Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;View Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &amp;Palette Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shade Cells Not Stored in the ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Free Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bucket Fill Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aint Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pic&amp;k Tile Under Pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile Sheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Table &amp;0…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Attribute Table 0…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Table &amp;2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute Table 2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image P&amp;roperties…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Master Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Built-in Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a .pal &amp;File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes Since the &amp;Last Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile Sheet in the &amp;Cell&apos;s Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ttribute Tool</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::ColourSquare</name>
    <message>
        <source>%1, colour $%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::ControlArea</name>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next palette set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a tile to choose the tile to place; drag over tiles to place them as a block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute palette %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROM palette entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coin palette entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background set %1, entry %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coin enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image is open.

Open an NES image (.nes) with File &gt; Open (%1), or drop one on the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

File &gt; Open Demo Image opens an example to try.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::ExchangeCommands</name>
    <message>
        <source>Error saving file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exchanges</name>
    <message>
        <source>Name Table %2 as .nam…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Name Table %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name table (*.nam)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name table %2 written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Table %2 from .nam…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Name Table %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name table %2 imported from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Palette as .pal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette (*.pal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Palette from .pal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette imported from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Table %2 as &amp;Assembly…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Name Table %2 as Assembly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ca65 source (*.s *.asm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles as .&amp;chr…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHR tiles (*.chr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles as P&amp;NG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Tiles as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles from .&amp;chr…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles imported from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles from P&amp;NG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Tiles from PNG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;An editor for the title screen of one NES game.&lt;/p&gt;&lt;p&gt;Built with Qt %2.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::ImagePropertiesDialog</name>
    <message>
        <source>Image Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRG ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHR ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fails: not the game Pelmora edits, or changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without header (as ROM sets list it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MD5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the %1 to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::ImageViewCommands</name>
    <message>
        <source>Error loading file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master palette (*.pal);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::KeyboardCursor</name>
    <message>
        <source>Arrow keys move by quadrant; Space or Enter sets its palette.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move the cursor; Space or Enter applies the tool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute table %1, column %2, row %3, palette %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved to the ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not saved to the ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name table %1, column %2, row %3, tile $%4, %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::MainWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Pelmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles are shared: other screens of the game may use the same tiles and change with them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NES Rom (*.nes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file loaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File loaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPS patch (*.bps);;IPS patch (*.ips)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch written to %1 (%2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPS or BPS patch (*.ips *.bps);;IPS patch (*.ips);;BPS patch (*.bps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch was not applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch %1 applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1 before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (unverified image)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::PaletteSelector</name>
    <message>
        <source>Master palette colour %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::PictureImportCommand</name>
    <message>
        <source>Import Picture as Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture cannot be the title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 imported as the title: %2 tiles, %3 new, %4 reused, %5 merged, %6 pixels changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::PictureImportDialog</name>
    <message>
        <source>Import Picture as Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title as imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit four palettes to the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the ROM&apos;s palettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reduce: merge the nearest tiles until it fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tile is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tiles are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles used: %1 · new: %2 · reused: %3 · merged: %4 · pixels changed: %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::SelectionCommands</name>
    <message>
        <source>Point at a screen or select a rectangle to paste into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to paste.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::TileEditor</name>
    <message>
        <source>Tile Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw in palette %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour value %1 (key %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile Colour Value %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip the tile horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip the tile vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate ↻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the tile a quarter turn to the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set every pixel of the tile to colour value 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember the tile&apos;s pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the pixels last copied into the selected tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn in palette %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::Tools</name>
    <message>
        <source>Attribute Tool: a press or drag gives each 16 x 16 area the chosen palette</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::app::ViewPictureCommands</name>
    <message>
        <source>Export View as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the %1 copied.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
