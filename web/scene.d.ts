// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The state the WebAssembly module hands the page to draw (quibbet_scene).

export interface Font { face: string; points: number; weight: number; italic: boolean }
export interface At { left: number; top: number; width: number; height: number }
export interface LabelControl { kind: "label"; name: string; at: At; text: string; visible: boolean; font: Font; centre: boolean; opaque: boolean; wrap: boolean }
export interface ButtonControl { kind: "button"; name: string; at: At; text: string; visible: boolean; font: Font; tab: number; back: number | null }
export interface TextBoxControl { kind: "textbox"; name: string; at: At; text: string; visible: boolean; font: Font; tab: number; back: number }
export interface ShapeControl { kind: "shape"; name: string; at: At; back: number; visible: boolean; filled: boolean; border: number }
export interface LineControl { kind: "line"; x1: number; y1: number; x2: number; y2: number; color: number; width: number }
export type Control = LabelControl | ButtonControl | TextBoxControl | ShapeControl | LineControl;
export interface WindowScene { state: "visible" | "hidden"; generation: number; caption: string; width: number; height: number; back: number | null; controls: Control[] }
export interface Scene { ended: boolean; active: string; windows: Record<string, WindowScene> }
