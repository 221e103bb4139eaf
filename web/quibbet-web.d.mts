// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The module that Emscripten writes beside the page's own code.

export interface QuibbetModule {
  ccall(name: string, returns: string | null, args: string[], values: unknown[], options?: { async?: boolean }): unknown;
  UTF8ToString(pointer: number): string;
  _quibbet_start(): void;
  _quibbet_close(window: number): void;
  _quibbet_pointer(x: number, y: number): void;
  _quibbet_key(code: number): void;
  _quibbet_frame(nowMs: number, paused: number): number;
  _quibbet_scene(): number;
}
export interface QuibbetOptions {
  showMessageBox(text: string, title: string, style: number): Promise<number>;
}
export default function createQuibbet(options: QuibbetOptions): Promise<QuibbetModule>;
