// The checksums the core asks the page for (CRC-32 for BPS patches, MD5 and SHA-1 for the
// image's identity), from well-kept npm packages.
import CRC32 from 'crc-32';
import { md5, sha1 } from '@noble/hashes/legacy';

export const digests = {
  crc32: (bytes: Uint8Array): number => CRC32.buf(bytes) >>> 0,
  md5: (bytes: Uint8Array): Uint8Array => md5(bytes),
  sha1: (bytes: Uint8Array): Uint8Array => sha1(bytes),
};
