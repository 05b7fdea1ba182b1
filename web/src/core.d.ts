// The WebAssembly module built from the core (src/web): its factory and the editor it binds.
declare module '@pelmora/core' {
  export interface Outcome { ok: boolean; message: string; reason: string }
  export interface OpenOutcome extends Outcome { askFirst: boolean }
  export interface PicturePreview extends Outcome {
    fits: boolean; tilesUsed: number; tilesNew: number; tilesReused: number; tilesMerged: number;
    pixelsChanged: number; tilesMissing: number;
  }
  export interface Editor {
    inputBuffer(size: number): Uint8Array;
    output(): Uint8Array;
    open(name: string, content: Uint8Array): OpenOutcome;
    openDemo(): OpenOutcome;
    confirmOpen(): void;
    cancelOpen(): void;
    loaded(): boolean;
    fileName(): string;
    unverified(): boolean;
    save(): Outcome;
    pixels(view: number): Uint8Array;
    viewWidth(view: number): number;
    viewHeight(view: number): number;
    takeDirtyViews(): number;
    dirtyRect(view: number): [number, number, number, number];
    pressTileSheet(x: number, y: number): boolean;
    pressScreen(nameTable: number, x: number, y: number): string;
    moveOnScreen(nameTable: number, x: number, y: number): string;
    pressAttributes(nameTable: number, x: number, y: number): string;
    moveOnAttributes(nameTable: number, x: number, y: number): string;
    release(): void;
    pickTile(nameTable: number, x: number, y: number): boolean;
    selectedTile(): number;
    selectAttributePalette(index: number): void;
    attributePalette(): number;
    editRect(command: string, nameTable: number, column: number, row: number, width: number,
             height: number): Outcome;
    copyRect(nameTable: number, column: number, row: number, width: number, height: number): string;
    pasteText(text: string, nameTable: number, column: number, row: number): Outcome;
    rowCarried(nameTable: number, row: number): boolean;
    attributesCarried(nameTable: number): boolean;
    selectedTilePixels(): number[];
    pressTilePixel(x: number, y: number, value: number): void;
    moveTilePixel(x: number, y: number): void;
    transformTile(kind: string): boolean;
    exportTiles(): void;
    importTiles(): Outcome;
    nextPaletteSet(): void;
    paletteSetText(): string;
    squares(target: number): number[];
    openSquare(target: number, index: number): number;
    storeColour(colour: number): boolean;
    coinEnabled(): boolean;
    switchCoin(enabled: boolean): void;
    colourValue(colour: number): number;
    attributeColour(index: number): number;
    undo(): void;
    redo(): void;
    undoName(): string;
    redoName(): string;
    modified(): boolean;
    screenReadout(nameTable: number, x: number, y: number): string;
    attributeReadout(nameTable: number, x: number, y: number): string;
    tileSheetReadout(x: number, y: number): string;
    squareReadout(target: number, index: number): string;
    createPatch(format: string): Outcome;
    applyPatch(): Outcome;
    exportNameTable(screen: number): void;
    importNameTable(screen: number): Outcome;
    exportPalette(): void;
    importPalette(): Outcome;
    previewPicture(width: number, height: number, fit: boolean, reduce: boolean): PicturePreview;
    applyPicture(): boolean;
  }
  export interface Core {
    Editor: { new (): Editor };
    unexpectedGameWarning(): string;
    unexpectedGameStatement(): string;
    paletteCaption(colour: number): string;
    selectorCaption(colour: number): string;
    lightCaption(colour: number): boolean;
    tileCaption(tile: number): string;
  }
  export default function createPelmora(module: object): Promise<Core>;
}
declare const PELMORA_VERSION: string;
